#pragma once

#include <QObject>

#include <functional>

class CConfig;
class CTALVStatsDoc;
class Prompts;
class QMenu;
class QMenuBar;
class QWidget;

// The game form's Configuration menu: the events browser of each of the
// first 22 categories, New category, Delete category, Edit My Team, Export
// and Import. Rebuilt and enabled each time it opens.
class ConfigMenu : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstCategoryCommand = 11000;
    static constexpr int CategoryCommands = 22; // 11000..11021
    static constexpr int NewCategoryCommand = 11022;
    static constexpr int DeleteCategoryCommand = 32196;
    static constexpr int EditMyTeamCommand = 32183;
    static constexpr int ExportCommand = 32190;
    static constexpr int ImportCommand = 32191;

    using ActiveDocument = std::function<CTALVStatsDoc*()>;

    ConfigMenu(QMenu* menu, CConfig& config, Prompts& prompts, ActiveDocument activeDocument,
               QWidget* window);

    // Adds the menu to the bar right after `after` (at the end when null).
    static ConfigMenu* addTo(QMenuBar* bar, QMenu* after, CConfig& config, Prompts& prompts,
                             ActiveDocument activeDocument, QWidget* window);

    QMenu* menu() const { return menu_; }
    // Rebuilds the commands for the registry and the active game as they are.
    void refresh();
    void run(int command);

private:
    void newCategory();
    void deleteCategory();
    void openEvents(int category);

    QMenu* menu_;
    CConfig& config_;
    Prompts& prompts_;
    ActiveDocument activeDocument_;
    QWidget* window_;
};
