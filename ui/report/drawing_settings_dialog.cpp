#include "drawing_settings_dialog.h"

#include "document/monocl_document.h"
#include "format/number_text.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <vector>

namespace monocl {

namespace {

// One field: its label, its text from the settings, and the settings with
// a number put in (false for a number it cannot hold).
struct SettingField
{
    const char* label;
    std::function<std::optional<double>(const DrawingSettings&)> value;
    std::function<bool(DrawingSettings&, std::optional<double>)> put;
};

template <class T>
SettingField realField(const char* label, T DrawingSettings::*member)
{
    return {label, [member](const DrawingSettings& s) { return std::optional<double>(s.*member); },
            [member](DrawingSettings& s, std::optional<double> v) {
                if (!v)
                    return false;
                if constexpr (std::is_same_v<T, int>) {
                    if (*v != std::floor(*v) || std::abs(*v) > 1e6)
                        return false;
                    s.*member = static_cast<int>(*v);
                } else {
                    s.*member = *v;
                }
                return true;
            }};
}

SettingField budgetField(const char* label, double ToleranceBudget::*member)
{
    return {label, [member](const DrawingSettings& s) { return std::optional<double>(s.budget.*member); },
            [member](DrawingSettings& s, std::optional<double> v) {
                if (!v)
                    return false;
                s.budget.*member = *v;
                return true;
            }};
}

std::vector<SettingField> settingFields()
{
    return {
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "Фаска × 45°, мм"), &DrawingSettings::bevel),
        {QT_TRANSLATE_NOOP("DrawingSettings", "Кольцо сферометра, мм (пусто: 0,8 Dm)"),
         [](const DrawingSettings& s) { return s.ringDiameter; },
         [](DrawingSettings& s, std::optional<double> v) {
             s.ringDiameter = v;
             return true;
         }},
        budgetField(QT_TRANSLATE_NOOP("DrawingSettings", "Допуск F', ±%"), &ToleranceBudget::focalPercent),
        budgetField(QT_TRANSLATE_NOOP("DrawingSettings", "Допуск sf, ±мм"), &ToleranceBudget::backFocus),
        budgetField(QT_TRANSLATE_NOOP("DrawingSettings", "Допуск Kсф, ±%"), &ToleranceBudget::sphericalPercent),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "0/ двулучепреломление, нм/см"), &DrawingSettings::stress),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "1/ пузыри: число"), &DrawingSettings::bubbleCount),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "1/ пузыри: размер, мм"), &DrawingSettings::bubbleSize),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "2/ класс неоднородности"), &DrawingSettings::inhomogeneityClass),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "2/ класс свилей"), &DrawingSettings::striaeClass),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "3/ ошибка стрелки, колец"), &DrawingSettings::sagittaFringes),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "3/ местная ошибка, колец"), &DrawingSettings::irregularityFringes),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "4/ клин, угл. мин"), &DrawingSettings::wedgeMinutes),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "5/ дефекты: число"), &DrawingSettings::imperfectionCount),
        realField(QT_TRANSLATE_NOOP("DrawingSettings", "5/ дефекты: размер, мм"), &DrawingSettings::imperfectionSize),
    };
}

QString fieldText(const std::optional<double>& v, char separator)
{
    return v ? QString::fromStdString(generalText(*v, separator)) : QString();
}

} // namespace

void editDrawingSettings(MonoclDocument& document, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DrawingSettingsDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("DrawingSettings", "Параметры чертежа"));
    auto* form = new QFormLayout;
    const char sep = document.decimalSeparator();
    const std::vector<SettingField> fields = settingFields();
    for (const SettingField& field : fields) {
        auto* edit = new QLineEdit(fieldText(field.value(document.drawingSettings()), sep));
        edit->setObjectName(QString::fromUtf8(field.label));
        form->addRow(QCoreApplication::translate("DrawingSettings", field.label), edit);
        QObject::connect(edit, &QLineEdit::editingFinished, &dialog, [&document, &dialog, edit, field, sep] {
            const QString text = edit->text().trimmed();
            const QString kept = fieldText(field.value(document.drawingSettings()), sep);
            if (text == kept)
                return;
            std::optional<double> value;
            double parsed = 0;
            if (!text.isEmpty() && parseReal(text.toStdString(), sep, parsed))
                value = parsed;
            DrawingSettings settings = document.drawingSettings();
            std::optional<std::string> problem;
            if ((!text.isEmpty() && !value) || !field.put(settings, value))
                problem = QCoreApplication::translate("DrawingSettings", "«%1» — не число, которое это поле принимает")
                              .arg(edit->text())
                              .toStdString();
            else
                problem = document.setDrawingSettings(settings);
            if (problem) {
                edit->setText(kept);
                QMessageBox::warning(&dialog, QCoreApplication::translate("DrawingSettings", "Параметры чертежа"),
                                     QString::fromStdString(*problem) + QLatin1Char('.'));
            }
        });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace monocl
