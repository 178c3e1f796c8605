#include "design_document.h"

#include "ui/window/monoclForm.h"
#include "ui/report/exchange_output.h"
#include "ui/report/report.h"
#include "ui/report/table_export.h"
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

bool DesignDocument::exportTo(QWidget* parent, const QString& caption, const QString& filter,
                              const QString& suffix,
                              const std::function<bool(const QString&, QString*)>& write)
{
    const QString path = askSavePath(parent, caption, filter, suffix);
    if (path.isEmpty())
        return false;
    QString error;
    const bool ok = write(path, &error);
    return done(ok, error, parent);
}

bool DesignDocument::exportCsv(QWidget* parent)
{
    return exportTo(parent, QCoreApplication::translate("DesignDocument", "Таблицы в CSV"),
                    QCoreApplication::translate("DesignDocument", "Таблица CSV (*.csv)"),
                    QStringLiteral("csv"), [this](const QString& path, QString* error) {
                        return writeTablesCsv(m_window.document(), path, error);
                    });
}

bool DesignDocument::exportSvg(QWidget* parent)
{
    return exportTo(parent, QCoreApplication::translate("DesignDocument", "Чертеж в SVG"),
                    QCoreApplication::translate("DesignDocument", "Чертеж SVG (*.svg)"),
                    QStringLiteral("svg"), [this](const QString& path, QString* error) {
                        return writeWorkshopSvg(m_window.document(), path, error);
                    });
}

bool DesignDocument::exportReportPdf(QWidget* parent)
{
    return exportTo(parent, QCoreApplication::translate("DesignDocument", "Отчет в PDF"),
                    QCoreApplication::translate("DesignDocument", "Отчет PDF (*.pdf)"),
                    QStringLiteral("pdf"), [this](const QString& path, QString* error) {
                        ReportInfo info;
                        info.designFile = m_path;
                        return writeReportPdf(m_window.document(), path, info, error);
                    });
}

bool DesignDocument::exportZemax(QWidget* parent)
{
    return exportTo(parent, QCoreApplication::translate("DesignDocument", "Линза в Zemax"),
                    QCoreApplication::translate("DesignDocument", "Файл линзы Zemax (*.zmx)"),
                    QStringLiteral("zmx"), [this](const QString& path, QString* error) {
                        return writeZemax(m_window.document(), path, error);
                    });
}

bool DesignDocument::exportPrescription(QWidget* parent)
{
    return exportTo(parent, QCoreApplication::translate("DesignDocument", "Рецепт линзы"),
                    QCoreApplication::translate("DesignDocument", "Рецепт линзы (*.txt)"),
                    QStringLiteral("txt"), [this](const QString& path, QString* error) {
                        return writePrescription(m_window.document(), path, error);
                    });
}

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
