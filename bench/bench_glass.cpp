// Opening the glass chooser beside a bare Qt dialog of the same kind: a
// QDialog of the same size with a QTableView over a QSortFilterProxyModel
// over the same 1,572 rows of texts. Each is built, shown and painted once
// per iteration; the ratio of the two medians is the measure.
//
//   QT_QPA_PLATFORM=offscreen monocl_bench_ui --benchmark_filter=Chooser
#include "ui/glass/glass_chooser.h"
#include "ui/files/glass_table.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDialog>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

using namespace monocl;

namespace {

// The catalogue's texts, made once, as the program reads its catalogue once.
class TextTable : public QAbstractTableModel
{
public:
    explicit TextTable(const std::vector<Glass>& glasses)
    {
        const GlassTableModel model(glasses, ',');
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column < GlassTableModel::ColumnCount; ++column)
                m_texts.push_back(model.index(row, column).data().toString());
    }
    int rowCount(const QModelIndex& = QModelIndex()) const override
    {
        return static_cast<int>(m_texts.size()) / GlassTableModel::ColumnCount;
    }
    int columnCount(const QModelIndex& = QModelIndex()) const override
    {
        return GlassTableModel::ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return m_texts[static_cast<std::size_t>(index.row() * GlassTableModel::ColumnCount + index.column())];
    }

private:
    std::vector<QString> m_texts;
};

[[gnu::noinline]] void showAndPaintStep(QDialog& dialog)
{
    dialog.show();
    while (!dialog.windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
}

template <class Make>
void openDialogs(benchmark::State& st, Make make)
{
    for (auto _ : st) {
        std::unique_ptr<QDialog> dialog = make();
        showAndPaintStep(*dialog);
        st.PauseTiming();
        dialog.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        st.ResumeTiming();
    }
}

// Arg cold 0: opened again, as the user does, the column widths measured at
// the first opening kept; 1: the first opening, the separator changed each
// time so that the widths are measured anew.
void BM_GlassChooserOpen(benchmark::State& st)
{
    const std::vector<Glass>& glasses = glassCatalogue();
    const bool cold = st.range(0) != 0;
    bool comma = false;
    openDialogs(st, [&] {
        comma = cold ? !comma : true;
        return std::make_unique<GlassChooser>(glasses, 1.5182, 64.27, comma ? ',' : '.');
    });
}
BENCHMARK(BM_GlassChooserOpen)->ArgName("cold")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BareChooserOpen(benchmark::State& st)
{
    const TextTable texts(glassCatalogue());
    openDialogs(st, [&] {
        auto dialog = std::make_unique<QDialog>();
        auto* proxy = new QSortFilterProxyModel(dialog.get());
        proxy->setSourceModel(const_cast<TextTable*>(&texts));
        auto* table = new QTableView;
        table->setModel(proxy);
        table->setSortingEnabled(true);
        auto* layout = new QVBoxLayout(dialog.get());
        layout->addWidget(table);
        dialog->resize(880, 540);
        return dialog;
    });
}
BENCHMARK(BM_BareChooserOpen)->Unit(benchmark::kMillisecond);

} // namespace
