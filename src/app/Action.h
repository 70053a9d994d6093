#pragma once

#include <QObject>

#include <functional>

// A slot target that runs one closure with the control that triggered it. Its owner keeps it
// alive as long as the control (usually by making it the control's child).
class Action : public QObject
{
    Q_OBJECT

public:
    explicit Action(std::function<void(QObject* sender)> action, QObject* parent = nullptr);

public Q_SLOTS:
    void action();

private:
    std::function<void(QObject* sender)> action_;
};
