#include "entry_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace amorix {

EntryAccessible::EntryAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* EntryAccessible::box() const { return static_cast<QLineEdit*>(widget()); }

QString EntryAccessible::shown() const { return box()->displayText(); }

void* EntryAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString EntryAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shown();
    return QAccessibleWidget::text(t);
}

void EntryAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t == QAccessible::Value && !box()->isReadOnly())
        box()->setText(text);
    else
        QAccessibleWidget::setText(t, text);
}

QAccessible::State EntryAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box()->isReadOnly();
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    return state;
}

void EntryAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int EntryAccessible::selectionCount() const { return box()->hasSelectedText() ? 1 : 0; }

void EntryAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void EntryAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void EntryAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int EntryAccessible::cursorPosition() const { return box()->cursorPosition(); }

void EntryAccessible::setCursorPosition(int position) { box()->setCursorPosition(position); }

QString EntryAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return shown().mid(startOffset, endOffset - startOffset);
}

int EntryAccessible::characterCount() const { return int(shown().size()); }

QRect EntryAccessible::characterRect(int offset) const
{
    const QString text = shown();
    if (offset < 0 || offset >= text.size())
        return {};
    const QRect content = box()->contentsRect().marginsRemoved(box()->textMargins());
    const QFontMetrics metrics(box()->font());
    const int x = content.x() + metrics.horizontalAdvance(text.left(offset));
    const QRect local(x, content.y(), metrics.horizontalAdvance(text.at(offset)), content.height());
    return QRect(box()->mapToGlobal(local.topLeft()), local.size());
}

int EntryAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local))
        return -1;
    return box()->cursorPositionAt(local);
}

void EntryAccessible::scrollToSubstring(int startIndex, int) { box()->setCursorPosition(startIndex); }

QString EntryAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void EntryAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void EntryAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void EntryAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (box()->isReadOnly())
        return;
    box()->setSelection(startOffset, endOffset - startOffset);
    box()->insert(text);
}

} // namespace amorix
