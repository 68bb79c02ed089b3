#pragma once

#include "core/stats/QuickView.h"

#include <QWidget>

#include <array>

class QLabel;

// The quick statistics beside the shot-entry form: per team its name and
// figure, then the five position rows. It is hidden, not destroyed, when the
// user closes it.
class CQuickViewWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CQuickViewWindow(QWidget* parent = nullptr);

    // Shows the model; its title becomes the window title.
    void showModel(const QuickViewModel& model);

Q_SIGNALS:
    // The user closed the window: the form's toggle loses its tick mark.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct TeamLabels
    {
        QLabel* name = nullptr;
        QLabel* figure = nullptr;
        std::array<QLabel*, 5> rowLabels{}, rowFigures{};
    };
    std::array<TeamLabels, 2> teams_;
};
