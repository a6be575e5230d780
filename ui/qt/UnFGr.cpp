#include "UnFGr.h"

#include "Artwork.h"
#include "GraphActions.h"
#include "PainterSurface.h"
#include "ui_UnFGr.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr QPoint kFramePosition(202, 71);
const QColor kSilver(192, 192, 192);

} // namespace

TForm3::TForm3(const CalcState& state, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TForm3>()), dialog_(*this),
      dialogs_(dialog_, boxes), form_(*this, state, boxes, dialogs_) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    actions_ = new GraphActions(*this, form_);
    form_.Guarded([this] { FormCreate(); });
}

TForm3::~TForm3() = default;

void TForm3::FormCreate() {
    QPalette background = palette();
    background.setColor(QPalette::Window, kSilver);
    setPalette(background);
    setAutoFillBackground(true);
}

void TForm3::paintEvent(QPaintEvent* /*event*/) {
    Paint();
    form_.PaintFinished();
}

void TForm3::Paint() {
    QPainter painter(this);
    painter.setFont(font());
    // The chart is always scaled to the whole client area, so a partial repaint draws the same
    // picture as a full one.
    PainterSurface surface(painter, rect(), palette().color(QPalette::Window));
    // The titles stand relative to the outer size of the window, frame and caption included.
    const QSize outer = size() + kFrame;
    form_.FormPaint(surface, outer.width(), outer.height());
}

void TForm3::CopyPictureToClipboard() {
    QGuiApplication::clipboard()->setImage(grab().toImage());
}

std::string TForm3::PictureAsPng() {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!grab().toImage().save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

void TForm3::ShowMarkerReadout(const std::string& text, Point at) {
    actions_->ShowMarkerReadout(text, at);
}
