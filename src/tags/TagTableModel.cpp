#include "tags/TagTableModel.h"

#include <QBrush>
#include <QColor>
#include <QStringList>

#include <limits>

#include "shell/Controls.h"
#include "state/Text.h"

namespace quorin {

namespace {

using tags::Field;
using tags::Status;

constexpr double kNoFigure = -std::numeric_limits<double>::infinity();

const char* const kHeadings[TagTableModel::ColumnCount] = {
    "Tag", "Workflow", "Media", "Flow", "Line Size", "Pressure", "Temperature",
    "Recommended Meters", "Status"};

struct StatusLook {
    const char* text;
    QColor background, foreground;
};

const StatusLook& lookOf(Status status) {
    static const StatusLook looks[] = {
        {"Fits", QColor(0xc6, 0xef, 0xce), QColor(0x00, 0x61, 0x00)},
        {"Fits with notes", QColor(0xff, 0xeb, 0x9c), QColor(0x7a, 0x4a, 0x00)},
        {"No meter", QColor(0xf8, 0xcb, 0xad), QColor(0x84, 0x3c, 0x0c)},
        {"Error", QColor(0xff, 0xc7, 0xce), QColor(0x9c, 0x00, 0x06)},
    };
    return looks[int(status)];
}

// A figure and its unit as the case holds them: "100 SCFM".
QString figure(double value, const std::string& unit) { return q(General(value) + " " + unit); }

QString lines(const std::vector<std::string>& texts) {
    QStringList all;
    for (const std::string& t : texts) all << q(t);
    return all.join('\n');
}

}  // namespace

void TagTableModel::reset(const tags::TagList& list, const std::vector<tags::Result>& results) {
    beginResetModel();
    list_ = &list;
    results_ = &results;
    lines_.clear();
    lines_.reserve(results.size());
    for (int i = 0; i < int(results.size()); ++i) lines_.push_back(lineOf(i));
    endResetModel();
}

void TagTableModel::rowChanged(int row) {
    lines_[size_t(row)] = lineOf(row);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void TagTableModel::rowAdded() {
    const int row = int(lines_.size());
    beginInsertRows({}, row, row);
    lines_.push_back(lineOf(row));
    endInsertRows();
}

TagTableModel::Line TagTableModel::lineOf(int i) const {
    const tags::Row& row = list_->rows[size_t(i)];
    const tags::Result& r = (*results_)[size_t(i)];
    Line line;
    line.status = r.status;
    auto put = [&line](Column c, double value, const std::string& unit) {
        line.text[c] = figure(value, unit);
        line.number[c] = value;
    };
    if (r.gas) {
        const GasResultsView& v = *r.gas;
        line.text[Tag] = q(v.TagNoIn);
        line.text[Workflow] = QStringLiteral("Gas/Steam");
        line.text[Media] = q(v.MediaIn == "OTHER" && !v.OtherMediaName.empty() ? v.OtherMediaName
                                                                               : v.MediaIn);
        put(Flow, v.FlowRateIn, v.FlowUnitIn);
        put(LineSize, v.PipeSizeIn, v.PipeUnitIn);
        put(Pressure, v.PressIn, v.PressUnitIn);
        put(Temperature, v.TempIn, v.TempUnitIn);
    } else if (r.liquid) {
        const LiquidResultsView& v = *r.liquid;
        line.text[Tag] = q(v.TagNoIn);
        line.text[Workflow] = QStringLiteral("Liquid");
        line.text[Media] = q(v.MediaIn);
        put(Flow, v.LqdFlowRateIn, v.LqdFlowUnit);
        put(LineSize, v.PipeSizeIn, v.PipeUnitIn);
        line.number[Pressure] = kNoFigure;
        put(Temperature, v.TempIn, v.TempUnitIn);
    } else {
        // Not sized: the row as it reads.
        auto cell = [&](Field f) { return list_->cell(row, f); };
        auto raw = [&](Column c, Field value, Field unit) {
            const std::string text = Trim(cell(value) + " " + cell(unit));
            line.text[c] = q(text);
            line.number[c] = cell(value).empty() ? kNoFigure : leadingNumber(cell(value));
        };
        line.text[Tag] = q(cell(Field::TagNumber));
        line.text[Workflow] = q(cell(Field::Workflow));
        line.text[Media] = q(cell(Field::Media));
        raw(Flow, Field::FlowRate, Field::FlowUnit);
        raw(LineSize, Field::PipeSize, Field::PipeUnit);
        raw(Pressure, Field::Pressure, Field::PressureUnit);
        raw(Temperature, Field::Temperature, Field::TemperatureUnit);
    }
    QStringList meters;
    for (const tags::Meter& m : r.meters) meters << q(m.code + " " + m.minText + "-" + m.maxText);
    line.text[Meters] = meters.join("; ");
    line.text[Status] = lookOf(r.status).text;
    if (r.status == Status::Error) {
        line.toolTip = q(r.error);
    } else {
        line.toolTip = lines(r.notes);
        if (!r.warnings.empty())
            line.toolTip += (line.toolTip.isEmpty() ? "" : "\n") + lines(r.warnings);
    }
    return line;
}

QString TagTableModel::countText() const {
    int count[4] = {};
    for (const Line& line : lines_) ++count[int(line.status)];
    const int all = int(lines_.size());
    return QStringLiteral("%1 %2: %3 fit, %4 with notes, %5 no meter, %6 %7")
        .arg(all)
        .arg(all == 1 ? "tag" : "tags")
        .arg(count[int(Status::Fits)])
        .arg(count[int(Status::FitsWithNotes)])
        .arg(count[int(Status::NoMeter)])
        .arg(count[int(Status::Error)])
        .arg(count[int(Status::Error)] == 1 ? "error" : "errors");
}

int TagTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

int TagTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TagTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Line& line = lines_[size_t(index.row())];
    const int c = index.column();
    switch (role) {
        case Qt::DisplayRole: return line.text[c];
        case kSortRole:
            if (c == Status) return int(line.status);
            if (c >= Flow && c <= Temperature) return line.number[c];
            return line.text[c];
        case Qt::ToolTipRole:
            if (c == Status) return line.toolTip;
            if (c == Meters && !line.text[c].isEmpty()) return line.text[c];
            return {};
        case Qt::BackgroundRole:
            return c == Status ? QVariant(QBrush(lookOf(line.status).background)) : QVariant();
        case Qt::ForegroundRole:
            return c == Status ? QVariant(QBrush(lookOf(line.status).foreground)) : QVariant();
        default: return {};
    }
}

QVariant TagTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return QString(kHeadings[section]);
    return section + 1;
}

}  // namespace quorin
