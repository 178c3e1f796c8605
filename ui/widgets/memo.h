#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace monocl {

// A read-only multi-line text box holding a list of lines, like a Windows memo:
// the text can be selected and copied but not edited.
//
// A new memo holds one empty line; after clearLines() it holds none, so the
// first appendLine() gives a one-line memo.
class Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit Memo(QWidget* parent = nullptr);

    void clearLines();
    void appendLine(const QString& line);
    // Makes the lines these, doing nothing when they are already.
    void setLines(const QStringList& lines);
    // One entry per text block.
    QStringList lines() const;

    // The colour of the text in every colour group, so it does not change
    // when the memo or its window loses focus.
    void setFontColor(const QColor& color);
    QColor fontColor() const;

private:
    // An empty document looks the same whether it holds one empty line or
    // none; this tells the two apart.
    bool m_noLines = false;
};

} // namespace monocl
