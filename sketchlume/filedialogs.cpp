#include "filedialogs.h"

#include "pictureio.h"

#include <QCoreApplication>

#include <QFileDialog>
#include <QFileInfo>

namespace lume {

FileDialogs::~FileDialogs() = default;

QString qtFileFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype paren = description.indexOf(u'(');
        if (paren >= 0)
            description.truncate(paren);
        const QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        filters << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

QString pictureOpenFilter(const QString &designFilter)
{
    QStringList patterns;
    for (const QString &suffix : acceptedPictureFormats())
        patterns << QStringLiteral("*.") + suffix;
    const QString pictures = patterns.join(u';');
    return QStringList {
        designFilter, QCoreApplication::translate("lume::FileDialogs", "Pictures") + u'(' + pictures + u')',
        pictures, QCoreApplication::translate("lume::FileDialogs", "All files") + QStringLiteral("(*)"),
        QStringLiteral("*")}
        .join(u'|');
}

namespace {
void showDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &filter, const QString &fileName,
                FileDialogs::Done done)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(qtFileFilter(filter));
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(QStringLiteral("bmp"));
    }
    if (!fileName.isEmpty()) {
        const QFileInfo info(fileName);
        dialog->setDirectory(info.absolutePath());
        dialog->selectFile(info.fileName());
    }
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}
} // namespace

void QtFileDialogs::chooseOpenFile(const QString &filter, const QString &fileName, Done done)
{
    showDialog(m_parent, QFileDialog::AcceptOpen, filter, fileName, std::move(done));
}

void QtFileDialogs::chooseSaveFile(const QString &filter, const QString &fileName, Done done)
{
    showDialog(m_parent, QFileDialog::AcceptSave, filter, fileName, std::move(done));
}

} // namespace lume
