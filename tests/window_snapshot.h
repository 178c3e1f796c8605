#pragma once

#include "ui/widgets/canvas_image.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <ostream>

// Everything a window shows that its inputs decide: the texts of its fields
// and labels, the buttons' states, the bars' positions, every cell of both
// grids, the memos' lines and colours, and the sketch's pixels.
struct WindowSnapshot
{
    QStringList texts;
    QImage sketch;

    bool operator==(const WindowSnapshot& other) const
    {
        return texts == other.texts && sketch == other.sketch;
    }
};

inline WindowSnapshot snapshotOf(const QWidget& window)
{
    WindowSnapshot s;
    const auto nameOf = [](const QWidget* w) {
        // A spin edit's field has no name of its own.
        return w->objectName().isEmpty() && w->parentWidget() ? w->parentWidget()->objectName()
                                                               : w->objectName();
    };
    for (const QLineEdit* e : window.findChildren<QLineEdit*>())
        s.texts << nameOf(e) + QStringLiteral(" text ") + e->text();
    for (const QLabel* l : window.findChildren<QLabel*>())
        s.texts << nameOf(l) + QStringLiteral(" label ") + l->text();
    for (const QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isCheckable())
            s.texts << nameOf(b) + (b->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"));
    for (const QAbstractSlider* b : window.findChildren<QAbstractSlider*>())
        if (!b->objectName().isEmpty())
            s.texts << nameOf(b) + QStringLiteral(" at ") + QString::number(b->value());
    for (const monocl::StringGrid* g : window.findChildren<monocl::StringGrid*>())
        for (int row = 0; row < g->rowCount(); ++row)
            for (int col = 0; col < g->colCount(); ++col)
                s.texts << QStringLiteral("%1 %2,%3 %4").arg(g->objectName()).arg(col).arg(row).arg(g->cell(col, row));
    for (const monocl::Memo* m : window.findChildren<monocl::Memo*>()) {
        for (const QString& line : m->lines())
            s.texts << m->objectName() + QStringLiteral(" line ") + line;
        s.texts << m->objectName() + QStringLiteral(" colour ") + m->fontColor().name();
    }
    if (const auto* esk = window.findChild<monocl::CanvasImage*>(QStringLiteral("esk")))
        s.sketch = esk->image();
    return s;
}

// The differing lines, for a failure message.
inline void PrintTo(const WindowSnapshot& s, std::ostream* os)
{
    *os << s.texts.size() << " texts, sketch " << s.sketch.width() << "x" << s.sketch.height();
}

inline QStringList differences(const WindowSnapshot& a, const WindowSnapshot& b)
{
    QStringList d;
    for (qsizetype i = 0; i < std::max(a.texts.size(), b.texts.size()); ++i)
        if (a.texts.value(i) != b.texts.value(i))
            d << a.texts.value(i) + QStringLiteral("  |  ") + b.texts.value(i);
    if (a.sketch != b.sketch)
        d << QStringLiteral("sketch differs");
    return d;
}
