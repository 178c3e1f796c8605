#pragma once

// Finding the parts of the glass chooser and working them as a user does.
#include "ui/glass/glass_chooser.h"
#include "ui/glass/glass_map.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace monocl::test {

struct Parts
{
    QLineEdit* filter;
    QTableView* table;
    GlassMap* map;
    QPushButton* choose;
    QPushButton* cancel;
};

inline Parts partsOf(GlassChooser& dialog)
{
    Parts p{};
    p.filter = dialog.findChild<QLineEdit*>(QStringLiteral("glassFilter"));
    p.table = dialog.findChild<QTableView*>(QStringLiteral("glassTable"));
    p.map = dialog.findChild<GlassMap*>(QStringLiteral("glassMap"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("glassButtons"));
    if (buttons) {
        p.choose = buttons->button(QDialogButtonBox::Ok);
        p.cancel = buttons->button(QDialogButtonBox::Cancel);
    }
    return p;
}

inline void show(QWidget& widget)
{
    widget.show();
    QApplication::setActiveWindow(&widget);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

inline QString cellText(const QTableView& table, int row, int column)
{
    return table.model()->index(row, column).data().toString();
}

inline QStringList columnTexts(const QTableView& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        texts << cellText(table, row, column);
    return texts;
}

inline double number(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

inline std::vector<double> columnNumbers(const QTableView& table, int column)
{
    std::vector<double> values;
    for (const QString& t : columnTexts(table, column))
        values.push_back(number(t));
    return values;
}

inline void clickHeader(QTableView& table, int column)
{
    QHeaderView* header = table.horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

// Types text into the widget as key presses; QTest::keyClicks takes only
// ASCII. A letter's key code is its capital's code point. A mark that shows
// nothing cannot be typed; it comes into a line edit as if pasted.
inline void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (!c.isPrint()) {
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                edit->insert(QString(c));
            continue;
        }
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace monocl::test
