// The tag-list window's table: one row per tag of the list with its result,
// the case as it was sized (as read for a row that could not be sized), the
// recommended meters with their ranges and the status in colour.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

#include "tags/TagList.h"

namespace quorin {

class TagTableModel : public QAbstractTableModel {
public:
    enum Column { Tag, Workflow, Media, Flow, LineSize, Pressure, Temperature, Meters, Status,
                  ColumnCount };
    // The role the table sorts by: a number for the figures, the status in
    // its order, the text elsewhere.
    static constexpr int kSortRole = Qt::UserRole;

    explicit TagTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows `list` with `results` (one per row); both stay the caller's and
    // are read again by `rowChanged` and `rowAdded`.
    void reset(const tags::TagList& list, const std::vector<tags::Result>& results);
    // The row's cells or result changed.
    void rowChanged(int row);
    // A row was added at the end of the list.
    void rowAdded();

    // "12 tags: 8 fit, 2 with notes, 1 no meter, 1 error".
    QString countText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Line {
        QString text[ColumnCount];
        double number[ColumnCount] = {};  // the figure a column sorts by
        QString toolTip;
        tags::Status status = tags::Status::Error;
    };
    Line lineOf(int row) const;

    const tags::TagList* list_ = nullptr;
    const std::vector<tags::Result>* results_ = nullptr;
    std::vector<Line> lines_;
};

}  // namespace quorin
