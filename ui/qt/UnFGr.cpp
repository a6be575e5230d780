#include "UnFGr.h"

#include "Artwork.h"
#include "GraphActions.h"
#include "PainterSurface.h"
#include "app/EventGuard.h"
#include "ui_UnFGr.h"

#include <QPainter>

namespace {

constexpr QPoint kFramePosition(202, 71);
const QColor kSilver(192, 192, 192);

} // namespace

TForm3::TForm3(const CalcState& state, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TForm3>()), boxes_(boxes), picture_(state) {
    ui_->setupUi(this);
    move(kFramePosition);
    setWindowIcon(ArtworkIcon(QStringLiteral(":/animal-icon.svg")));
    actions_ = new GraphActions(*this, state, boxes_);
    RunGuarded(boxes_, [this] { FormCreate(); });
}

TForm3::~TForm3() = default;

void TForm3::SetFileChooser(FileChooser& chooser) {
    actions_->SetFileChooser(chooser);
}

void TForm3::FormCreate() {
    QPalette background = palette();
    background.setColor(QPalette::Window, kSilver);
    setPalette(background);
    setAutoFillBackground(true);
}

void TForm3::CalcStateChanged() {
    picture_.Rearm();
    if (isVisible())
        update();
}

void TForm3::paintEvent(QPaintEvent* /*event*/) {
    RunGuarded(boxes_, [this] { FormPaint(); });
}

void TForm3::FormPaint() {
    QPainter painter(this);
    painter.setFont(font());
    // The chart is always scaled to the whole client area, so a partial repaint draws the same
    // picture as a full one.
    PainterSurface surface(painter, rect(), palette().color(QPalette::Window));
    // The titles stand relative to the outer size of the window, frame and caption included.
    const QSize outer = size() + kFrame;
    picture_.Paint(surface, outer.width(), outer.height());
}
