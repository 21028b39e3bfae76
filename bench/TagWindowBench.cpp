// The tag-list window on a long list: a list of N rows (10,000 by default;
// the sample list's tags repeated under new tag numbers) opened through the
// File menu, read, sized and shown (until the window is painted); sorting the
// table by each column; and the PDF of all reports of a list of P tags (300
// by default), in pages per second. Run under a display or with
// QT_QPA_PLATFORM=offscreen:
//     tag_window_bench [N [P [SHOTS]]]
// With a folder SHOTS, the main window is also saved there as PNG pictures:
// with the long list, with the sample list, and with a tag of it open.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/Program.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "tags/TagTableModel.h"

using namespace quorin;

namespace {

// The sample list's rows, repeated until there are `rows`, each under a tag
// number of its own.
QByteArray longList(int rows) {
    QFile sample(QUORIN_SAMPLE_LIST);
    if (!sample.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lines = sample.readAll().split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    QByteArray out = lines.takeFirst() + "\n";
    for (int i = 0; i < rows; ++i) {
        QList<QByteArray> cells = lines[i % lines.size()].split(',');
        cells[1] = "FT-" + QByteArray::number(10000 + i);
        out += cells.join(',') + "\n";
    }
    return out;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void trigger(QObject* owner, const char* item) {
    if (auto* action = owner->findChild<QAction*>(item)) action->trigger();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int pages = argc > 2 ? std::atoi(argv[2]) : 300;
    QTemporaryDir dir;
    const QString list = dir.filePath("tags.csv"), small = dir.filePath("small.csv");
    if (!write(list, longList(rows)) || !write(small, longList(pages))) return 1;

    installCoreHooks();
    registerForms();
    MDIForm1 parent;
    parent.resize(1600, 1000);
    parent.show();
    QString answer;
    seams().chooseFile = [&answer](const FileRequest&) { return answer; };
    seams().message = [](const QString& text, MsgIcon) { std::printf("%s\n", qPrintable(text)); };

    answer = list;
    QElapsedTimer timer;
    timer.start();
    trigger(&parent, "mnuOpenTagList");
    QApplication::processEvents();
    parent.repaint();
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    QWidget* window = Shell::instance().find("frmTagList");
    auto* table = window ? window->findChild<QTableView*>("tblTags") : nullptr;
    if (!table || table->model()->rowCount() != rows) {
        std::printf("the list shows %d rows of %d\n", table ? table->model()->rowCount() : -1, rows);
        return 1;
    }
    std::printf("%d rows read, sized and shown: %.0f ms (target 1000 ms)\n", rows, openMs);
    const QString shots = argc > 3 ? QString(argv[3]) : QString();
    auto shoot = [&](const char* name) {
        QApplication::processEvents();
        if (!shots.isEmpty()) parent.grab().save(shots + "/" + name);
    };
    shoot("tags-long-list.png");

    double worst = 0;
    for (int c = 0; c < TagTableModel::ColumnCount; ++c) {
        timer.restart();
        table->sortByColumn(c, Qt::AscendingOrder);
        QApplication::processEvents();
        table->viewport()->repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        worst = std::max(worst, ms);
        std::printf("  sort by %-20s %6.1f ms\n",
                    qPrintable(table->model()->headerData(c, Qt::Horizontal).toString()), ms);
    }
    std::printf("sorting by a column: at most %.1f ms (target 100 ms)\n", worst);
    if (!shots.isEmpty()) {
        table->sortByColumn(TagTableModel::Status, Qt::DescendingOrder);
        shoot("tags-long-list-by-status.png");
        answer = QUORIN_SAMPLE_LIST;
        trigger(window, "mnuOpenTagList");
        table->sortByColumn(-1, Qt::AscendingOrder);
        shoot("tags-sample.png");
        emit table->activated(table->model()->index(0, 0));
        shoot("tags-sample-open-tag.png");
    }

    answer = small;
    trigger(window, "mnuOpenTagList");
    answer = dir.filePath("reports.pdf");
    int sized = 0;  // a page each
    for (int r = 0; r < table->model()->rowCount(); ++r)
        sized += table->model()->index(r, TagTableModel::Status).data().toString() != "Error";
    timer.restart();
    trigger(window, "mnuExportReports");
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    QFile pdf(answer);
    std::printf("PDF of all reports: %d pages in %.2f s, %.0f pages per second (target 50), %lld bytes\n",
                sized, seconds, sized / seconds, pdf.size());
    Shell::instance().exitProgram();
    return 0;
}
