#pragma once

#include <QString>
#include <QStringList>

namespace lume {

// Modal message boxes, reached through this so that tests never block on one.
class UserPrompt
{
public:
    virtual ~UserPrompt();
    // A box with an exclamation icon and an OK button; detail is the expandable text, if any, a
    // paragraph each: a box shows them apart by blank lines, a command line as lines of their own.
    virtual void notify(const QString &text, const QString &title, const QStringList &detail = {}) = 0;
    // A box with an exclamation icon and Yes and No; true for Yes.
    virtual bool askYesNo(const QString &text, const QString &title) = 0;
};

// The window's progress bar.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay();
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
};

} // namespace lume
