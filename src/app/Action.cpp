#include "Action.h"

Action::Action(std::function<void(QObject* sender)> action, QObject* parent)
    : QObject(parent), action_(std::move(action))
{
}

void Action::action()
{
    if (action_)
        action_(sender());
}
