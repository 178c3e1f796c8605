#include "memo.h"

#include <QTextBlock>
#include <QTextCursor>

namespace monocl {

Memo::Memo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Nothing can be undone in a read-only box; keeping the history would
    // only grow with every recompute.
    setUndoRedoEnabled(false);

    // Text set through the QPlainTextEdit interface counts as lines too.
    connect(document(), &QTextDocument::contentsChanged, this, [this] { m_noLines = false; });
}

void Memo::clearLines()
{
    clear();
    m_noLines = true;
}

void Memo::appendLine(const QString& line)
{
    // appendPlainText() is not used: it adds nothing to an empty document, so
    // appending an empty line there would be lost.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!m_noLines)
        cursor.insertBlock();
    cursor.insertText(line);
    m_noLines = false;
}

void Memo::setLines(const QStringList& lines)
{
    // Rewriting the same lines would lay the text out and repaint it anew.
    if (this->lines() == lines)
        return;
    clearLines();
    for (const QString& line : lines)
        appendLine(line);
}

QStringList Memo::lines() const
{
    QStringList result;
    if (m_noLines)
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

void Memo::setFontColor(const QColor& color)
{
    // A palette change repolishes and repaints the memo; skip it when the
    // colour is already there.
    const QPalette& current = palette();
    const bool unchanged = current.color(QPalette::Active, QPalette::Text) == color
        && current.color(QPalette::Inactive, QPalette::Text) == color
        && current.color(QPalette::Disabled, QPalette::Text) == color;
    if (unchanged)
        return;
    QPalette colored = current;
    colored.setColor(QPalette::Text, color); // every colour group
    setPalette(colored);
}

QColor Memo::fontColor() const
{
    return palette().color(QPalette::Active, QPalette::Text);
}

} // namespace monocl
