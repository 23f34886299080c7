// A word-wrapped label that shows a long run of spaces in its text as a
// paragraph gap, as the platform's label did when the run wrapped into a
// line of its own. The text it holds (and reads out) stays as given.
#pragma once

#include <QLabel>

namespace amorix {

// The text as shown: each run of kParagraphSpaces or more spaces becomes an
// empty line between two paragraphs.
QString withParagraphGaps(const QString& text);
constexpr int kParagraphSpaces = 8;

class ParagraphLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace amorix
