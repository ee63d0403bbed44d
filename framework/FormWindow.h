// The Qt side of a form: a top-level window with a menu bar around the widget that shows the
// form's pixel surface. Internal to the framework.
#pragma once

#include <QMap>
#include <QWidget>

class QMenuBar;
class QAction;

namespace wb {

class TForm;
class TMenuItem;
class SurfaceWidget;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(TForm* form);

    TForm* form() const { return m_form; }
    SurfaceWidget* client() const { return m_client; }

    // Places the menu bar and the client widget for the form's current geometry.
    void layoutChildren(int clientWidth, int clientHeight, int menuHeight, int inset);
    // Builds the Qt menu bar from the form's menu (real windows only).
    void rebuildMenu();
    // The menu bar's and its menus' text at the form's zoom.
    void zoomChanged();
    void updateMenuItem(TMenuItem* item);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QFont menuFont() const;
    void addItems(QWidget* into, const std::vector<TMenuItem*>& items);
    TForm* m_form;
    SurfaceWidget* m_client;
    QMenuBar* m_menuBar = nullptr;
    QMap<TMenuItem*, QAction*> m_actions;
};

} // namespace wb
