#include "captions.h"

namespace amorix {

QString labelText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                shown += u'&', ++i;
            continue;
        }
        shown += caption.at(i);
    }
    return shown;
}

} // namespace amorix
