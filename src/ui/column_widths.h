#pragma once

#include <QObject>

#include <string>

class QTreeView;

// The widths of a list's columns: fitted to their texts (at each refill) until the pilot drags
// one, then kept as dragged, from one run to the next ("120,80,64").
class ColumnWidths : public QObject {
    Q_OBJECT
public:
    explicit ColumnWidths(QTreeView* view);

    // After the rows changed: each column as wide as its texts, unless the widths were given.
    void Fit();
    // Widths kept from an earlier run; a text that does not give one sound width a column is
    // passed over, and the columns fit their texts.
    void Restore(const std::string& stored);
    // What to keep: the widths once given, empty while they fit the texts.
    std::string Stored() const;

private:
    QTreeView* m_view;
    bool m_given = false;
    bool m_fitting = false;  // a resize of Nivra's own, not the pilot's
};
