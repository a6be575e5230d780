#include "GraphWindow.h"

#include "Artwork.h"
#include "GraphActions.h"
#include "PainterSurface.h"
#include "ui_GraphWindow.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr QPoint kFramePosition(202, 71);
const QColor kSilver(192, 192, 192);

} // namespace

GraphWindow::GraphWindow(StagePresenters& presenters, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::GraphWindow>()), dialog_(*this),
      dialogs_(dialog_, boxes), presenters_(presenters),
      presenter_(presenters.MakeGraph(*this, dialogs_)) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    actions_ = new GraphActions(*this, presenter_);
    presenter_.Guarded([this] { FormCreate(); });
}

GraphWindow::~GraphWindow() {
    presenters_.DropGraph();
}

void GraphWindow::FormCreate() {
    QPalette background = palette();
    background.setColor(QPalette::Window, kSilver);
    setPalette(background);
    setAutoFillBackground(true);
}

void GraphWindow::paintEvent(QPaintEvent* /*event*/) {
    Paint();
    presenter_.PaintFinished();
}

void GraphWindow::Paint() {
    QPainter painter(this);
    painter.setFont(font());
    // The chart is always scaled to the whole client area, so a partial repaint draws the same
    // picture as a full one.
    PainterSurface surface(painter, rect(), palette().color(QPalette::Window));
    // The titles stand relative to the outer size of the window, frame and caption included.
    const QSize outer = size() + kFrame;
    presenter_.Paint(surface, outer.width(), outer.height());
}

void GraphWindow::CopyPictureToClipboard() {
    QGuiApplication::clipboard()->setImage(grab().toImage());
}

std::string GraphWindow::PictureAsPng() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!grab().toImage().save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

void GraphWindow::ShowMarkerReadout(const std::string& text, Point at) {
    actions_->ShowMarkerReadout(text, at);
}
