#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <string>

class QPagedPaintDevice;

#include "graphs/GraphFiles.h"
#include "graphs/GraphPicture.h"
#include "platform/qt/ChildWindow.h"

namespace zoriduvo {

class App;

// frmGraph: one graph, independent of the sheet it came from. Its picture is painted once into
// an image, which the screen, saving, printing and copying all use.
class GraphWindow : public QWidget, public ChildWindow {
    Q_OBJECT
public:
    GraphWindow(App& app, int slot, Graph graph, QWidget* parent = nullptr);

    ChildKind childKind() const override { return ChildKind::Graph; }
    bool closing() const override { return closing_; }
    int slot() const { return slot_; }
    PlotKind kind() const { return view_.kind; }
    const QImage& picture() const { return image_; }
    const LabelMenu& labelMenu() const { return menu_; }
    const std::vector<PointLabel>& flags() const { return view_.flags; }

    // Activation: the working copies rebuilt from the data table, every label cleared.
    void activate();
    void toggleCaseNames();
    void toggleValues();
    void toggleAllNames();
    // A drag from one picture point to another (pixels), as the mouse makes it.
    void select(QPoint from, QPoint to);
    // The caption of the window, which names its files and print job.
    std::string caption() const;
    // The picture as a file of the form: the image the window shows, or its drawing as SVG.
    std::string pictureFile(PictureForm form) const;
    // The picture on one page of the device; false when the device would not start.
    bool paintPage(QPagedPaintDevice& device) const;
    void copy();

    // Called once the window has closed, to free its slot.
    std::function<void(int slot)> onClosed;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void redraw();

    App& app_;
    int slot_;
    Graph graph_;
    GraphView view_;
    LabelMenu menu_;
    PlotFrame frame_;
    QImage image_;
    QPoint anchor_;
    QRect selection_;
    bool dragging_ = false;
    bool ready_ = false;
    bool closing_ = false;
};

}  // namespace zoriduvo
