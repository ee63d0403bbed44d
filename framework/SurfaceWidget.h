// The widget that shows a form's pixel surface and hands mouse input to the form. Internal to
// the framework.
#pragma once

#include <QWidget>

namespace wb {

class TForm;

class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    SurfaceWidget(TForm* form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    TForm* m_form;
};

} // namespace wb
