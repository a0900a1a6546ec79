// The item table window beside its floor: a bare QTableView showing the same
// 255 × 10 strings from a QStandardItemModel filled in advance, with the
// table's view size, column widths and row height, so that both paint the
// same cells. Each opening is timed until the window has painted.
// `--peak=table` or `--peak=floor` opens one of them once and prints the
// process's peak memory instead.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <cstring>

#include "bench_rom.h"
#include "table/item_table.h"
#include "ui/item_table_model.h"
#include "ui/item_table_proxy.h"
#include "ui/item_table_window.h"

namespace {

std::vector<QStringList> TableTexts(const std::string& path) {
  const ItemTable table(path);
  std::vector<QStringList> rows;
  for (int item = 1; item <= LastItem; ++item) {
    QStringList row;
    for (const TableColumnInfo& info : TableColumns) row << QString::fromStdString(table.Text(item, info.column));
    rows.push_back(row);
  }
  return rows;
}

void ShowAndPaint(QWidget& window) {
  window.show();
  QApplication::processEvents();
  window.grab();
}

void OpenTable(const std::string& path) {
  ItemTableWindow window(path, {}, {});
  ShowAndPaint(window);
}

// What the user sees of the table: the floor shows the same cells.
struct TableLayout {
  QSize view;
  int rowHeight = 0;
  std::vector<int> widths;
};

TableLayout LayoutOf(const std::string& path) {
  ItemTableWindow window(path, {}, {});
  ShowAndPaint(window);
  TableLayout layout{window.view().size(), window.view().verticalHeader()->defaultSectionSize(), {}};
  for (size_t column = 0; column < TableColumns.size(); ++column) {
    layout.widths.push_back(window.view().horizontalHeader()->sectionSize(static_cast<int>(column)));
  }
  return layout;
}

void OpenFloor(const std::vector<QStringList>& rows, const TableLayout& layout) {
  QStandardItemModel model(static_cast<int>(rows.size()), static_cast<int>(TableColumns.size()));
  for (int row = 0; row < model.rowCount(); ++row) {
    for (int column = 0; column < model.columnCount(); ++column) {
      model.setItem(row, column, new QStandardItem(rows[static_cast<size_t>(row)][column]));
    }
  }
  QTableView view;
  view.setModel(&model);
  if (layout.rowHeight > 0) {
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(layout.rowHeight);
  }
  for (size_t column = 0; column < layout.widths.size(); ++column) {
    view.horizontalHeader()->resizeSection(static_cast<int>(column), layout.widths[column]);
  }
  view.resize(layout.view);
  ShowAndPaint(view);
}

void BM_OpenItemTable(benchmark::State& state) {
  const BenchRom rom;
  for (auto _ : state) OpenTable(rom.Path());
}
BENCHMARK(BM_OpenItemTable)->Unit(benchmark::kMillisecond);

void BM_OpenItemTableFloor(benchmark::State& state) {
  const BenchRom rom;
  const std::vector<QStringList> rows = TableTexts(rom.Path());
  const TableLayout layout = LayoutOf(rom.Path());
  for (auto _ : state) OpenFloor(rows, layout);
}
BENCHMARK(BM_OpenItemTableFloor)->Unit(benchmark::kMillisecond);

void BM_ReadItemTable(benchmark::State& state) {
  const BenchRom rom;
  for (auto _ : state) benchmark::DoNotOptimize(ItemTable(rom.Path()));
}
BENCHMARK(BM_ReadItemTable)->Unit(benchmark::kMillisecond);

void BM_SortItemTable(benchmark::State& state) {
  const BenchRom rom;
  ItemTableModel model(rom.Path());
  ItemTableProxy proxy;
  proxy.setSourceModel(&model);
  Qt::SortOrder order = Qt::AscendingOrder;
  for (auto _ : state) {
    proxy.sort(static_cast<int>(TableColumn::Price), order);
    order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  }
}
BENCHMARK(BM_SortItemTable)->Unit(benchmark::kMicrosecond);

long PeakKib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  // glibc raises its threshold for mapping large blocks after the first is
  // freed, so whichever benchmark ran first would decide whether a window's
  // buffers (the ROM, the backing store) come from fresh pages or from reused
  // heap. Fixed at its default, each opening pays for fresh pages, as a
  // user's first opening does.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  if (argc == 2 && std::strncmp(argv[1], "--peak=", 7) == 0) {
    const BenchRom rom;
    if (std::strcmp(argv[1] + 7, "table") == 0) {
      OpenTable(rom.Path());
    } else {
      // Measuring the layout would open the table in this process too: the
      // peak floor keeps Qt's own column widths, at the window's size.
      OpenFloor(TableTexts(rom.Path()), TableLayout{QSize(900, 600), 0, {}});
    }
    std::printf("%s peak %ld KiB\n", argv[1] + 7, PeakKib());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
