#include "control_layout.h"

#include "ui/widgets/canvas_image.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/kept_background.h"
#include "ui/widgets/track_bar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace monocl {

namespace {

const QColor TitleColour(0, 0, 128);
const QColor NoteColour(110, 110, 110);

QFont withWeight(QFont font, bool bold)
{
    font.setBold(bold);
    return font;
}

bool isLabel(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::BoldLabel;
}

// Whether the caption is a text to read, in the window's language; an edit
// field's caption is its start text and a picture's its resource.
bool isWording(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Title:
    case ControlKind::GroupBox:
    case ControlKind::Label:
    case ControlKind::BoldLabel:
    case ControlKind::NoteLabel:
    case ControlKind::Button:
    case ControlKind::Radio:
        return true;
    default:
        return false;
    }
}

QString captionText(const ControlRow& row)
{
    return isWording(row.kind) ? QCoreApplication::translate("Toptmono", row.caption)
                               : QString::fromUtf8(row.caption);
}

// A label in a size and colour of its own.
QLabel* colouredLabel(const QString& caption, QWidget* parent, int pixelSize, bool bold,
                      const QColor& colour)
{
    auto* label = new QLabel(caption, parent);
    QFont font = withWeight(parent->font(), bold);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QWidget* createControl(const ControlRow& row, QWidget* parent, char separator)
{
    const QString caption = captionText(row);
    switch (row.kind) {
    case ControlKind::Title:
        return colouredLabel(caption, parent, 19, true, TitleColour);
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(caption, parent);
        box->setFont(withWeight(parent->font(), true));
        return box;
    }
    case ControlKind::Label:
    case ControlKind::BoldLabel: {
        auto* label = new QLabel(caption, parent);
        label->setFont(withWeight(parent->font(), row.kind == ControlKind::BoldLabel));
        return label;
    }
    case ControlKind::NoteLabel:
        return colouredLabel(caption, parent, 11, false, NoteColour);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setFont(withWeight(parent->font(), false));
        return button;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setFont(withWeight(parent->font(), false));
        return combo;
    }
    case ControlKind::SpinEdit: {
        auto* spin = new SpinEdit(parent);
        spin->setRange(row.value.minimum, row.value.maximum);
        spin->setValue(row.value.start);
        spin->setDecimalSeparator(QChar::fromLatin1(separator));
        return spin;
    }
    case ControlKind::LineEdit: {
        // The field's frame has round corners, so each keystroke would also
        // repaint the group box, the tab page and the window behind it.
        auto* edit = new QLineEdit(caption, parent);
        new KeptBackground(edit);
        return edit;
    }
    case ControlKind::TrackBar: {
        auto* bar = new TrackBar(parent);
        bar->setValue(row.value.start);
        return bar;
    }
    case ControlKind::Radio: {
        auto* button = new QRadioButton(caption, parent);
        button->setFont(withWeight(parent->font(), false));
        button->setChecked(row.value.start == 1);
        return button;
    }
    case ControlKind::Grid: {
        auto* grid = new StringGrid(parent);
        if (row.value.start > 0)
            grid->setColCount(row.value.start);
        return grid;
    }
    case ControlKind::Memo:
        return new Memo(parent);
    case ControlKind::Canvas:
        return new CanvasImage(parent);
    case ControlKind::Picture:
    case ControlKind::StretchedPicture: {
        auto* picture = new Picture(caption, parent);
        if (row.kind == ControlKind::StretchedPicture)
            picture->setScaledContents(true);
        else
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return new QWidget(parent);
}

// Labels fit their text exactly, whatever the font, so no caption is
// clipped; other controls fit their size hint.
int fittedWidth(const ControlRow& row, const QWidget* control)
{
    const int extra = row.width - Flow;
    if (isLabel(row.kind))
        return control->fontMetrics().horizontalAdvance(captionText(row)) + 2 + extra;
    return control->sizeHint().width() + extra;
}

void place(QWidget* control, const ControlRow& row, const QWidget* previous)
{
    const int x = row.x >= Flow / 2 && previous ? previous->geometry().right() + 1 + (row.x - Flow)
                                                 : row.x;
    const int width = row.width >= Flow / 2 ? fittedWidth(row, control) : row.width;
    const int height = row.height >= Flow / 2 ? control->sizeHint().height() : row.height;
    control->setGeometry(x, row.y, width, height);
}

// Screen readers meet a spin edit's inner field when it has the focus, so it
// carries the name too.
void setAccessibleNameOf(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* spin = qobject_cast<SpinEdit*>(control))
        spin->lineEdit()->setAccessibleName(name);
}

void setCaption(QWidget* control, const QString& caption)
{
    if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
}

// A control's accessible name is made of the labels that caption it (a
// label comes before its control, so this waits until all are built), or,
// for a table or a text box, of the frame that holds it.
void nameControls(std::span<const ControlRow> rows, const std::vector<QWidget*>& controls)
{
    QHash<QString, QWidget*> named;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (*rows[i].name)
            named.insert(QString::fromLatin1(rows[i].name), controls[i]);
    QHash<QWidget*, QStringList> captions;
    for (const ControlRow& row : rows) {
        if (!row.captionOf)
            continue;
        for (const QString& name : QString::fromLatin1(row.captionOf).split(QLatin1Char(' ')))
            if (QWidget* target = named.value(name))
                captions[target].append(captionText(row));
    }
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
        setAccessibleNameOf(it.key(), it.value().join(QLatin1Char(' ')));
    for (const ControlRow& row : rows) {
        if (row.kind != ControlKind::Grid && row.kind != ControlKind::Memo)
            continue;
        QWidget* control = named.value(QString::fromLatin1(row.name));
        if (auto* box = qobject_cast<QGroupBox*>(control->parentWidget()); box && !captions.contains(control))
            setAccessibleNameOf(control, box->title());
    }
}

} // namespace

std::vector<QWidget*> buildControls(QWidget* page, std::span<const ControlRow> rows,
                                    char decimalSeparator)
{
    QHash<QString, QWidget*> named;
    std::vector<QWidget*> controls;
    controls.reserve(rows.size());
    QWidget* previous = nullptr;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? named.value(QString::fromLatin1(row.parent), page) : page;
        QWidget* control = createControl(row, parent, decimalSeparator);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setEnabled(row.enabled);
        place(control, row, previous);
        if (*row.name)
            named.insert(control->objectName(), control);
        controls.push_back(control);
        previous = control;
    }
    nameControls(rows, controls);
    return controls;
}

void recaptionControls(std::span<const ControlRow> rows, const std::vector<QWidget*>& controls)
{
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (isWording(rows[i].kind))
            setCaption(controls[i], captionText(rows[i]));
        // Captions that fit their text move what follows them.
        place(controls[i], rows[i], previous);
        previous = controls[i];
    }
    nameControls(rows, controls);
}

} // namespace monocl
