#pragma once

#include <QWidget>

#include <utility>
#include <vector>

class QLabel;

namespace ajuste {

// The figures of the last least-squares fit, a name and a value a row, in a
// small window of its own that stays open beside the form.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    using Rows = std::vector<std::pair<QString, QString>>;

    explicit ResultsWindow(QWidget* form);

    // Stale figures are shown greyed under a line that says so.
    void setRows(const Rows& rows, bool stale);
    QString shownText() const;

private:
    QLabel* label_;
};

} // namespace ajuste
