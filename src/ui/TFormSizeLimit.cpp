#include "ui/TFormSizeLimit.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

TFormSizeLimit::TFormSizeLimit(QWidget* owner)
    : owner_(owner)
{
    if (owner == nullptr || !owner->isWindow())
        throw std::invalid_argument("A Form MUST be the owner");
    ownerMinimum_ = owner->minimumSize();
    ownerMaximum_ = owner->maximumSize();
    owner->installEventFilter(this);
}

TFormSizeLimit::~TFormSizeLimit()
{
    if (owner_ == nullptr)
        return;
    owner_->removeEventFilter(this);
    if (active_)
        restoreOwnerLimits();
}

void TFormSizeLimit::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active_)
        apply();
    else
        restoreOwnerLimits();
}

void TFormSizeLimit::setLimit(std::uint16_t& limit, std::uint16_t value)
{
    limit = value;
    apply();
}

void TFormSizeLimit::setMinWidth(std::uint16_t width)
{
    setLimit(minWidth_, width);
}

void TFormSizeLimit::setMinHeight(std::uint16_t height)
{
    setLimit(minHeight_, height);
}

void TFormSizeLimit::setMaxWidth(std::uint16_t width)
{
    setLimit(maxWidth_, width);
}

void TFormSizeLimit::setMaxHeight(std::uint16_t height)
{
    setLimit(maxHeight_, height);
}

bool TFormSizeLimit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == owner_
        && (event->type() == QEvent::Show || event->type() == QEvent::Move || event->type() == QEvent::Resize))
        apply();
    return false;
}

void TFormSizeLimit::apply()
{
    if (!active_ || owner_ == nullptr)
        return;
    // The limits are outer sizes; Qt limits the inside of the frame.
    const QSize frame = owner_->frameGeometry().size() - owner_->size();
    const QSize minimum(std::max(0, minWidth_ - frame.width()), std::max(0, minHeight_ - frame.height()));
    const auto inside = [](int outer, int frameSize, int floor) {
        return outer == 0 ? QWIDGETSIZE_MAX : std::max(floor, outer - frameSize);
    };
    const QSize maximum(
        inside(maxWidth_, frame.width(), minimum.width()), inside(maxHeight_, frame.height(), minimum.height()));
    // Unchanged limits are left alone so that re-applying them from a resize cannot recurse.
    if (owner_->minimumSize() != minimum)
        owner_->setMinimumSize(minimum);
    if (owner_->maximumSize() != maximum)
        owner_->setMaximumSize(maximum);
}

void TFormSizeLimit::restoreOwnerLimits()
{
    owner_->setMinimumSize(ownerMinimum_);
    owner_->setMaximumSize(ownerMaximum_);
}
