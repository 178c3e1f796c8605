#include "design_document.h"

#include "ui/window/monoclForm.h"
#include "ui/outputs/exchange_output.h"
#include "ui/report/report.h"
#include "ui/outputs/table_export.h"
#include "ui/report/workshop_drawing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace monocl {

namespace {

QString designFilter()
{
    return QCoreApplication::translate("DesignDocument", "Проект монокля (*.monocl)");
}

} // namespace

void showFileError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("monocl"), message, QMessageBox::Ok,
                    parent);
    box.exec();
}

DesignDocument::DesignDocument(Toptmono& window, MonoclState& state, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_state(state)
    , m_saved(captureDesign(window.document()))
{
}

std::optional<GlassChoice> DesignDocument::glass() const
{
    return m_window.chosenGlass();
}

void DesignDocument::setGlass(const std::optional<GlassChoice>& glass)
{
    m_window.rememberGlass(glass);
}

bool DesignDocument::isModified() const
{
    return captureDesign(m_window.document()) != m_saved;
}

void DesignDocument::setPath(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == m_path)
        return;
    m_path = absolute;
    emit filePathChanged(m_path);
}

bool DesignDocument::load(const QString& path, QString* error)
{
    const DesignReadResult read = readDesign(path);
    if (!read) {
        if (error)
            *error = read.error;
        return false;
    }
    applyDesign(m_window.document(), *read.data);
    // The line under nd and Vd names the file's glass.
    m_window.rememberGlass(read.data->glass);
    // What the window made of the file, corrections included, is what a
    // later change is measured against.
    m_saved = captureDesign(m_window.document());
    setPath(path);
    return true;
}

bool DesignDocument::saveTo(const QString& path, QString* error)
{
    if (!saveDesign(m_window.document(), path, error))
        return false;
    m_saved = captureDesign(m_window.document());
    setPath(path);
    return true;
}

bool DesignDocument::done(bool ok, const QString& error, QWidget* parent) const
{
    if (!ok)
        showFileError(parent, error);
    return ok;
}

bool DesignDocument::open(QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("DesignDocument", "Открыть проект"),
        m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath(),
        designFilter() + QCoreApplication::translate("DesignDocument", ";;Все файлы (*)"));
    return !path.isEmpty() && openFile(path, parent);
}

bool DesignDocument::openFile(const QString& path, QWidget* parent)
{
    QString error;
    const bool ok = load(path, &error);
    return done(ok, error, parent);
}

bool DesignDocument::save(QWidget* parent)
{
    if (m_path.isEmpty())
        return saveAs(parent);
    QString error;
    const bool ok = saveTo(m_path, &error);
    return done(ok, error, parent);
}

bool DesignDocument::saveAs(QWidget* parent)
{
    const QString path = askSavePath(parent, QCoreApplication::translate("DesignDocument", "Сохранить проект"), designFilter(),
                                     QStringLiteral("monocl"));
    if (path.isEmpty())
        return false;
    QString error;
    const bool ok = saveTo(path, &error);
    return done(ok, error, parent);
}

namespace {

// What a file dialog asks for each export, in the order of Export.
struct ExportDialog
{
    const char* caption;
    const char* filter;
    const char* suffix;
};

constexpr ExportDialog ExportDialogs[] = {
    {QT_TRANSLATE_NOOP("DesignDocument", "Таблицы в CSV"), QT_TRANSLATE_NOOP("DesignDocument", "Таблица CSV (*.csv)"), "csv"},
    {QT_TRANSLATE_NOOP("DesignDocument", "Чертеж в SVG"), QT_TRANSLATE_NOOP("DesignDocument", "Чертеж SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("DesignDocument", "Отчет в PDF"), QT_TRANSLATE_NOOP("DesignDocument", "Отчет PDF (*.pdf)"), "pdf"},
    {QT_TRANSLATE_NOOP("DesignDocument", "Линза в Zemax"), QT_TRANSLATE_NOOP("DesignDocument", "Файл линзы Zemax (*.zmx)"), "zmx"},
    {QT_TRANSLATE_NOOP("DesignDocument", "Рецепт линзы"), QT_TRANSLATE_NOOP("DesignDocument", "Рецепт линзы (*.txt)"), "txt"},
};

} // namespace

bool DesignDocument::exportTo(Export kind, QWidget* parent)
{
    const ExportDialog& dialog = ExportDialogs[static_cast<std::size_t>(kind)];
    const QString path = askSavePath(parent, QCoreApplication::translate("DesignDocument", dialog.caption),
                                     QCoreApplication::translate("DesignDocument", dialog.filter),
                                     QString::fromLatin1(dialog.suffix));
    if (path.isEmpty())
        return false;
    QString error;
    const bool ok = writeExport(kind, path, &error);
    return done(ok, error, parent);
}

bool DesignDocument::writeExport(Export kind, const QString& path, QString* error) const
{
    const MonoclDocument& document = m_window.document();
    switch (kind) {
    case Export::Csv:
        return writeTablesCsv(document, path, error);
    case Export::Svg:
        return writeWorkshopSvg(document, path, error);
    case Export::ReportPdf: {
        ReportInfo info;
        info.designFile = m_path;
        return writeReportPdf(document, path, info, error);
    }
    case Export::Zemax:
        return writeZemax(document, path, error);
    case Export::Prescription:
        return writePrescription(document, path, error);
    }
    return false;
}

bool DesignDocument::exportCsv(QWidget* parent) { return exportTo(Export::Csv, parent); }
bool DesignDocument::exportSvg(QWidget* parent) { return exportTo(Export::Svg, parent); }
bool DesignDocument::exportReportPdf(QWidget* parent) { return exportTo(Export::ReportPdf, parent); }
bool DesignDocument::exportZemax(QWidget* parent) { return exportTo(Export::Zemax, parent); }
bool DesignDocument::exportPrescription(QWidget* parent) { return exportTo(Export::Prescription, parent); }

void DesignDocument::print(QWidget* parent)
{
    printReport(m_window.document(), parent, m_path);
}

QString DesignDocument::askSavePath(QWidget* parent, const QString& caption,
                                    const QString& filter, const QString& suffix) const
{
    // Beside the design file and named after it, or monocl in the home folder.
    const QFileInfo design(m_path);
    const QString suggested = m_path.isEmpty()
        ? QDir::home().filePath(QStringLiteral("monocl.") + suffix)
        : design.absoluteDir().filePath(design.completeBaseName() + QLatin1Char('.') + suffix);
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace monocl
