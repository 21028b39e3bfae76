#include "tags/frmTagList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "reports/Page.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "tags/TagTableModel.h"

namespace quorin {

namespace {

using tags::Field;

const QString kListFilter = "Tag List (*.csv)";

void tell(const QString& text) { seams().message(text, MsgIcon::Exclamation); }

QString chooseFile(const FileRequest& request) {
    return seams().chooseFile ? seams().chooseFile(request) : QString();
}

// Runs `work` (which loads rows into the case record) quietly and puts the
// record back as it was, so the case an input screen shows stays its own.
template <class Work>
void keepingTheCase(Work&& work) {
    const SharedState saved = shared();
    const Hooks live = hooks();
    hooks() = Hooks{};
    hooks().message = [](const std::string&) {};
    work();
    shared() = saved;
    hooks() = live;
}

struct Screens {
    const char* sizingType;
    const char* input;
    const char* results;
};
const Screens kScreens[2] = {{"GAS", "frmInputScrn", "frmResults"},
                             {"LIQUID", "frmLqdInput", "frmLqdResults"}};

// The row as far as it can be read: a field whose cell cannot be read is
// left empty (its start-up value then applies) and named in `refused`.
// False when not even the workflow can be read; `error` says why.
bool readableRow(const tags::TagList& list, tags::Row& row, tags::Workflow& workflow,
                 QStringList& refused, std::string& error) {
    if (tags::loadTagCase(list, row, workflow, error)) return true;
    const tags::Row whole = row;
    for (size_t c = 0; c < row.cells.size() && c < list.header.size(); ++c)
        if (tags::fieldOf(list.header[c]) != Field::Unknown &&
            tags::fieldOf(list.header[c]) != Field::Workflow)
            row.cells[c].clear();
    std::string why;
    if (!tags::loadTagCase(list, row, workflow, why)) return false;
    for (size_t c = 0; c < row.cells.size(); ++c) {
        if (whole.cells[c] == row.cells[c]) continue;
        row.cells[c] = whole.cells[c];
        if (!tags::loadTagCase(list, row, workflow, why)) {
            row.cells[c].clear();
            refused << q(list.header[c]);
        }
    }
    return true;
}

}  // namespace

frmTagList::frmTagList() : Form(kName, QString()), model_(new TagTableModel(this)) {
    createControls();
    createMenus();
    setList({}, {});
    fresh_ = true;
}

void frmTagList::createControls() {
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(TagTableModel::kSortRole);
    proxy_->setFilterKeyColumn(-1);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    txtFilter = makeBox("txtFilter", "Shows the tags whose texts hold these letters");
    txtFilter->setPlaceholderText("Filter the tags");
    txtFilter->setClearButtonEnabled(true);
    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setFilterFixedString(text);
        showCounts();
    });

    tblTags = new QTableView;
    tblTags->setObjectName("tblTags");
    tblTags->setModel(proxy_);
    tblTags->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTags->setSelectionMode(QAbstractItemView::SingleSelection);
    tblTags->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTags->setAlternatingRowColors(true);
    tblTags->setWordWrap(false);
    tblTags->setSortingEnabled(true);
    tblTags->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    proxy_->sort(-1);
    // Rows of one height: a long list lays out at once.
    QHeaderView* rows = tblTags->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    // Columns fit the texts of the first rows (reading them all would slow
    // a long list).
    tblTags->horizontalHeader()->setResizeContentsPrecision(200);
    tblTags->installEventFilter(this);
    // Double-click or Enter.
    connect(tblTags, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const int row = proxy_->mapToSource(index).row();
        runCommand([this, row] { openTag(row); });
    });
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, [this] { showCounts(); });

    lblCounts = new QLabel;
    lblCounts->setObjectName("lblCounts");

    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel("&Filter:");
    filterLabel->setBuddy(txtFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(txtFilter, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tblTags, 1);
    layout->addWidget(lblCounts);
}

void frmTagList::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Open Tag List…", "mnuOpenTagList", {}, [this] { openList(); });
    addCommand(file, "New Tag List", "mnuNewTagList", {}, [this] { newList(); });
    addSeparator(file);
    addCommand(file, "Save Tag List", "mnuSaveTagList", QKeySequence("Ctrl+S"), [this] { save(); });
    addCommand(file, "Save Tag List As…", "mnuSaveTagListAs", {}, [this] { saveAs(); });
    addSeparator(file);
    addCommand(file, "Export Results…", "mnuExportResults", {}, [this] { exportResults(); });
    addCommand(file, "Export All Reports to PDF…", "mnuExportReports", {},
               [this] { exportReports(); });
    addSeparator(file);
    addCloseAndExit(file, [this] { close_(); });
    addHelpAndAbout();

    // The input screens' commands (Form::addTagListItems).
    auto* update = new QAction(this);
    update->setObjectName("actUpdateTag");
    connect(update, &QAction::triggered, this, [this] { runCommand([this] { updateTag(); }); });
    auto* add = new QAction(this);
    add->setObjectName("actAddCase");
    connect(add, &QAction::triggered, this, [this] { runCommand([this] { addCase(); }); });
}

void frmTagList::setList(tags::TagList list, std::string path) {
    list_ = std::move(list);
    path_ = std::move(path);
    results_ = tags::sizeTags(list_);
    openRow_[0] = openRow_[1] = -1;
    fresh_ = false;
    model_->reset(list_, results_);
    tblTags->resizeColumnsToContents();
    metersWidth_ = tblTags->columnWidth(TagTableModel::Meters);
    fitMetersColumn();
    setModified(false);
    showCounts();
}

void frmTagList::resize(int row) {
    results_[size_t(row)] = tags::sizeTag(list_, list_.rows[size_t(row)]);
    model_->rowChanged(row);
    setModified(true);
    showCounts();
}

void frmTagList::setModified(bool modified) {
    modified_ = modified;
    showCaption();
}

void frmTagList::showCaption() {
    const QString name = path_.empty() ? QStringLiteral("New Tag List")
                                       : QFileInfo(q(path_)).fileName();
    setWindowTitle(" Quorin Tag List - " + name + (modified_ ? " *" : ""));
}

void frmTagList::showCounts() {
    QString text = model_->countText();
    if (proxy_->rowCount() != model_->rowCount())
        text += QStringLiteral("; %1 shown").arg(proxy_->rowCount());
    lblCounts->setText(text);
}

bool frmTagList::mayUnload() {
    if (!modified_ || !seams().askSave) return true;
    const QString name = path_.empty() ? QStringLiteral("The new tag list")
                                       : "The tag list " + QFileInfo(q(path_)).fileName();
    switch (seams().askSave(name + " has changes that are not saved. Save them?")) {
        case SaveAnswer::Save: return save();
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: break;
    }
    return false;
}

void frmTagList::close_() {
    if (mayUnload()) Shell::instance().unload(kName);
}

void frmTagList::openList() {
    if (!mayUnload()) return;
    std::string path;
    tags::TagList list;
    const OpenResult result =
        openWithDialog(kListFilter, path, [&] { return tags::readTagList(path, list); });
    if (result == OpenResult::Opened) {
        setList(std::move(list), path);
    } else if (fresh_) {
        // Nothing to show: the window goes as it came.
        Shell::instance().unload(kName);
    }
}

void frmTagList::newList() {
    if (mayUnload()) setList({}, {});
}

bool frmTagList::save() {
    if (path_.empty()) return saveAs();
    if (const FileError error = tags::saveTagList(path_, list_)) {
        tell(q(saveFailureMessage(path_, error)));
        return false;
    }
    setModified(false);
    return true;
}

bool frmTagList::saveAs() {
    const QString proposed = path_.empty() ? QStringLiteral("Tag List.csv") : q(path_);
    const QString chosen = chooseFile({FileRequest::Mode::Save, kListFilter, proposed});
    if (chosen.isEmpty()) return false;
    const std::string before = path_;
    path_ = s(chosen);
    if (save()) return true;
    path_ = before;
    showCaption();
    return false;
}

// CSV or a workbook, by the file type chosen (the name's ending).
void frmTagList::exportResults() {
    const QString chosen = chooseFile(
        {FileRequest::Mode::Save, "Results (*.csv);;Results Workbook (*.xlsx)", "Tag Results.csv"});
    if (chosen.isEmpty()) return;
    const std::string path = s(chosen);
    const FileError error = chosen.endsWith(".xlsx", Qt::CaseInsensitive)
                                ? tags::saveResultsXlsx(path, list_, results_)
                                : tags::saveResultsCsv(path, list_, results_);
    if (error) tell(q(saveFailureMessage(path, error)));
}

// One printed report page per sized tag, in the list's order.
void frmTagList::exportReports() {
    std::vector<size_t> sized;
    for (size_t i = 0; i < results_.size(); ++i)
        if (results_[i].gas || results_[i].liquid) sized.push_back(i);
    if (sized.empty()) {
        tell("No tag of the list is sized: there is no report to write.");
        return;
    }
    const std::string today = todayText();
    const int count = int(sized.size());
    exportPdfPages(
        count,
        [&](int k) {
            const tags::Result& r = results_[sized[size_t(k)]];
            return r.gas ? modPrintResults(*r.gas, today) : modLqdPrintResults(*r.liquid, today);
        },
        [&](int k) {
            const tags::Result& r = results_[sized[size_t(k)]];
            const std::string& tag = r.gas ? r.gas->TagNoIn : r.liquid->TagNoIn;
            return QStringLiteral("Writing the report of tag %1 of %2: %3")
                .arg(k + 1)
                .arg(count)
                .arg(q(tag));
        },
        "Tag Reports.pdf");
}

// The tag's workflow screen takes the place of the other one, as the intro
// screen's choice does, and shows the case as Open shows a case file's.
void frmTagList::openTag(int row) {
    tags::Row readable = list_.rows[size_t(row)];
    tags::Workflow workflow = tags::Workflow::Gas;
    QStringList refused;
    std::string error;
    bool readOk = false;
    keepingTheCase([&] { readOk = readableRow(list_, readable, workflow, refused, error); });
    if (!readOk) {
        tell(q(error) + "\nThe tag cannot be opened.");
        return;
    }
    const Screens& mine = kScreens[int(workflow)];
    const Screens& other = kScreens[1 - int(workflow)];
    Shell& shell = Shell::instance();
    for (const char* name : {"frmINTRO", "frmNorvaneInput", other.results, other.input})
        shell.unload(name);
    shared().SizingType = mine.sizingType;
    if (!shell.showChild(mine.input)) return;
    // The case replaces the whole record; the workflow choice stays.
    tags::loadTagCase(list_, readable, workflow, error);
    shared().SizingType = mine.sizingType;
    shell.trigger(mine.input, "actShowCase");
    shell.arrangeChildren();
    openRow_[int(workflow)] = row;
    openedIn_[int(workflow)] = shell.find(mine.input);
    if (!refused.isEmpty())
        tell(q(results_[size_t(row)].error) + "\nThe tag is open with the start-up values for: " +
             refused.join(", ") + ".");
}

namespace {

// The vortex workflow whose input screen is loaded, as SizingType says;
// false for none.
bool currentWorkflow(tags::Workflow& workflow) {
    for (int k = 0; k < 2; ++k)
        if (shared().SizingType == kScreens[k].sizingType &&
            Shell::instance().isLoaded(kScreens[k].input)) {
            workflow = tags::Workflow(k);
            return true;
        }
    return false;
}

}  // namespace

void frmTagList::updateTag() {
    tags::Workflow workflow = tags::Workflow::Gas;
    if (!currentWorkflow(workflow)) return;
    const int k = int(workflow);
    const int row = openRow_[k];
    if (row < 0 || !openedIn_[k] || openedIn_[k] != Shell::instance().find(kScreens[k].input)) {
        tell("No tag of the list is open in this screen. Add Current Case to Tag List adds the "
             "case as a new tag.");
        return;
    }
    tags::storeTagCase(list_, list_.rows[size_t(row)], workflow);
    resize(row);
}

void frmTagList::addCase() {
    tags::Workflow workflow = tags::Workflow::Gas;
    if (!currentWorkflow(workflow)) return;
    tags::Row row;
    row.cells.resize(list_.header.size());
    list_.rows.push_back(std::move(row));
    const int added = int(list_.rows.size()) - 1;
    tags::storeTagCase(list_, list_.rows.back(), workflow);
    results_.push_back(tags::sizeTag(list_, list_.rows.back()));
    model_->rowAdded();
    openRow_[int(workflow)] = added;
    openedIn_[int(workflow)] = Shell::instance().find(kScreens[int(workflow)].input);
    fresh_ = false;
    setModified(true);
    showCounts();
    tblTags->selectRow(proxy_->mapFromSource(model_->index(added, 0)).row());
}

bool frmTagList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tblTags && (event->type() == QEvent::ShortcutOverride ||
                               event->type() == QEvent::KeyPress)) {
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) copySelectedTag();
            return event->type() == QEvent::KeyPress;
        }
    }
    return Form::eventFilter(watched, event);
}

void frmTagList::copySelectedTag() {
    const QModelIndexList rows = tblTags->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    QStringList cells;
    for (int c = 0; c < proxy_->columnCount(); ++c)
        cells << proxy_->index(rows.first().row(), c).data().toString();
    QApplication::clipboard()->setText(cells.join('\t'));
}

void frmTagList::fitMetersColumn() {
    if (metersWidth_ <= 0) return;
    int others = tblTags->verticalHeader()->width();
    for (int c = 0; c < model_->columnCount(); ++c)
        if (c != TagTableModel::Meters) others += tblTags->columnWidth(c);
    const int room = tblTags->viewport()->width() + tblTags->verticalHeader()->width() - others;
    const int least = fontMetrics().averageCharWidth() * 16;
    tblTags->setColumnWidth(TagTableModel::Meters, std::min(metersWidth_, std::max(room, least)));
}

void frmTagList::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    fitMetersColumn();
}

}  // namespace quorin
