#include "GraphActions.h"

#include "CommandActions.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

GraphActions::GraphActions(QWidget& window, GraphForm& form)
    : QObject(&window), window_(window), form_(form),
      actions_(AddCommandActions(window, form, Qt::WindowShortcut)) {
    window_.setMouseTracking(true);
    window_.installEventFilter(this);
}

bool GraphActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            ShowReadout(move->position().toPoint(), move->globalPosition().toPoint());
            break;
        }
        case QEvent::Leave:
            QToolTip::hideText();
            break;
        case QEvent::ContextMenu:
            // The menu follows the curve shown as it stands, like the picture.
            FollowEnabling(actions_, form_);
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GraphActions::ShowReadout(const QPoint& position, const QPoint& globalPosition) {
    // The chart fills the whole client area, as the paint scales it.
    const auto text = form_.Readout({0, 0, window_.width(), window_.height()}, position.x());
    if (!text || !window_.rect().contains(position)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, QString::fromStdString(*text), &window_);
}
