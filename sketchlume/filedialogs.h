#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace lume {

// The open and save dialogs of Load Picture and Save Picture, behind an interface so that tests
// answer them. Filters come in the Windows form "Description(*.a;*.b)|*.a;*.b".
class FileDialogs
{
public:
    using Done = std::function<void(const QString &fileName)>;
    virtual ~FileDialogs();
    // Shows the dialog starting at fileName and calls done with the chosen name, or "" when the
    // user cancelled. done may run after the call has returned.
    virtual void chooseOpenFile(const QString &filter, const QString &fileName, Done done) = 0;
    virtual void chooseSaveFile(const QString &filter, const QString &fileName, Done done) = 0;
};

// "Picture(*.bmp;*.gif)|*.bmp;*.gif" -> "Picture (*.bmp *.gif)", the form Qt's dialogs read.
[[nodiscard]] QString qtFileFilter(const QString &windowsFilter);

// The open dialog's filter: the design's filter first, then every format the picture reader
// accepts, then all files.
[[nodiscard]] QString pictureOpenFilter(const QString &designFilter);

// Qt's own (non-native) file dialogs, window-modal and without a nested event loop.
class QtFileDialogs final : public FileDialogs
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    void chooseOpenFile(const QString &filter, const QString &fileName, Done done) override;
    void chooseSaveFile(const QString &filter, const QString &fileName, Done done) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace lume
