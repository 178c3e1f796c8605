// The reference for what the first frame costs beyond its texts: a
// QMainWindow of the size given that shows the texts of monocl's first frame
// in its fonts and nothing else. The menu bar has the program's five menus,
// the tab bar its seven tabs; the first page shows each text of the texts
// file as the kind of widget that shows it in monocl, in rows: group boxes
// only as large as their titles, and no grid lines, sketch or track bars.
// Ended by first_frame_exit.
//
//   bare_text_window WIDTH HEIGHT TEXTS
//
// TEXTS has a line for each text: its kind (label, group, radio, button,
// edit, cell), its size in pixels, 1 where it is bold, and the text,
// separated by tabs. The table's cells are labels here. first_frame_texts.tsv
// was taken from the window as it starts with no settings in the C locale:
// its visible labels, group titles, buttons, fields and the table's cells
// down to the last row the first frame shows.
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The rows wrap before the window's right edge; a text longer than a row
// would be cut, and none of the first frame's is.
constexpr int RowWidth = 1120;
constexpr int Gap = 4;

QWidget* textWidget(const QString& kind, const QString& text)
{
    if (kind == QLatin1String("group"))
        return new QGroupBox(text);
    if (kind == QLatin1String("radio"))
        return new QRadioButton(text);
    if (kind == QLatin1String("button"))
        return new QPushButton(text);
    if (kind == QLatin1String("edit"))
        return new QLineEdit(text);
    return new QLabel(text);
}

// Places each text's widget after the one before, in the font of its line.
bool fillPage(QWidget* page, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    int x = Gap, y = Gap, rowHeight = 0;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        if (fields.size() != 4)
            continue;
        QWidget* widget = textWidget(fields[0], fields[3]);
        widget->setParent(page);
        QFont font = page->font();
        font.setPixelSize(fields[1].toInt());
        font.setBold(fields[2] == QLatin1String("1"));
        widget->setFont(font);
        // A group box without a layout has no size hint, only its title's.
        const QSize size =
            widget->sizeHint().expandedTo(widget->minimumSizeHint()).boundedTo(QSize(RowWidth, 60));
        if (x + size.width() > RowWidth) {
            x = Gap;
            y += rowHeight + Gap;
            rowHeight = 0;
        }
        widget->setGeometry(x, y, size.width(), size.height());
        x += size.width() + Gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fputs("usage: bare_text_window WIDTH HEIGHT TEXTS\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    for (const char* menu : {"Файл", "Правка", "Чертеж", "Язык / Language", "Справка"})
        window.menuBar()->addMenu(QString::fromUtf8(menu));

    // monocl's own type: 13 pixels of Liberation Sans, DejaVu Sans where
    // that is missing.
    auto* tabs = new QTabWidget;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(13);
    font.setStyleHint(QFont::SansSerif);
    tabs->setFont(font);
    auto* page = new QWidget;
    tabs->addTab(page, QString::fromUtf8("Расчет"));
    for (const char* title : {"Прогноз", "Проверка лучами", "Изображение", "Справка", "Схема монокля", "О программе"})
        tabs->addTab(new QWidget, QString::fromUtf8(title));
    if (!fillPage(page, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "bare_text_window: cannot read %s\n", argv[3]);
        return 2;
    }
    window.setCentralWidget(tabs);
    window.show();
    return QApplication::exec();
}
