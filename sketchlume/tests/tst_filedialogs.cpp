#include "filedialogs.h"
#include "fontpicturewindow.h"
#include "pictureio.h"

#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace lume;

namespace {

// Opens a dialog through QtFileDialogs and hands it over for the user's part.
struct DialogRun
{
    QWidget parent;
    QtFileDialogs dialogs;
    QStringList answers; // every name done() received
    DialogRun() { dialogs.setParentWidget(&parent); }

    QFileDialog *open(bool save, const QString &filter, const QString &fileName)
    {
        auto done = [this](const QString &name) { answers << name; };
        if (save)
            dialogs.chooseSaveFile(filter, fileName, done);
        else
            dialogs.chooseOpenFile(filter, fileName, done);
        return parent.findChild<QFileDialog *>();
    }
};

void type(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
}

} // namespace

class TstFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldTurnAWindowsFilterIntoAQtFilter_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("qt");
        QTest::newRow("Load Picture") << FontPictureWindow::LoadFilter << "Picture (*.bmp *.gif *.jpg *.ico)";
        QTest::newRow("Save Picture") << FontPictureWindow::SaveFilter << "Picture (*.bmp)";
        QTest::newRow("two filters") << "Text|*.txt|All(*.*)|*.*"
                                     << "Text (*.txt);;All (*.*)";
        QTest::newRow("a description without its pattern") << "Lonely"
                                                           << "";
    }

    void shouldTurnAWindowsFilterIntoAQtFilter()
    {
        QFETCH(QString, windows);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(windows), qt);
    }

    void shouldOpenAFileOfAnyFormatTheUserTypes()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("typed.png"));
        QFile file(png);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        DialogRun run;
        QFileDialog *dialog = run.open(false, FontPictureWindow::LoadFilter, QString());
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->nameFilters(), QStringList {QStringLiteral("Picture (*.bmp *.gif *.jpg *.ico)")});
        QVERIFY(run.answers.isEmpty()); // the call returns while the dialog is open
        type(dialog, png);
        QVERIFY(QMetaObject::invokeMethod(dialog, "accept")); // the Open or Save button
        QCOMPARE(run.answers, QStringList {png});
    }

    void shouldOfferTheDesignFilterFirstThenEveryPictureAndAllFiles()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("listed.png"));
        QImage(8, 12, QImage::Format_RGB32).save(png);
        DialogRun run;
        QFileDialog *dialog = run.open(false, pictureOpenFilter(FontPictureWindow::LoadFilter), QString());
        QVERIFY(dialog);
        QCOMPARE(dialog->nameFilters(),
                 (QStringList {QStringLiteral("Picture (*.bmp *.gif *.jpg *.ico)"),
                               QStringLiteral("Pictures (*.bmp *.gif *.jpg *.jpeg *.ico *.cur *.png)"),
                               QStringLiteral("All files (*)")}));
        QCOMPARE(dialog->selectedNameFilter(), dialog->nameFilters().first());
        // Every suffix the reader takes is offered, and a PNG it writes reads back.
        for (const QString &suffix : acceptedPictureFormats())
            QVERIFY2(dialog->nameFilters()[1].contains(QStringLiteral("*.") + suffix), qPrintable(suffix));
        QVERIFY(loadPicture(png).ok());
        dialog->reject();
    }

    void shouldAnswerNothingWhenCancelled()
    {
        DialogRun run;
        QFileDialog *dialog = run.open(false, FontPictureWindow::LoadFilter, QString());
        QVERIFY(dialog);
        dialog->reject();
        QCOMPARE(run.answers, QStringList {QString()});
        QTRY_VERIFY(!run.parent.findChild<QFileDialog *>()); // deleted on close
    }

    void shouldStartTheSaveDialogAtTheLastNameAndAddTheExtension()
    {
        QTemporaryDir dir;
        DialogRun run;
        QFileDialog *dialog =
            run.open(true, FontPictureWindow::SaveFilter, dir.filePath(QStringLiteral("loaded.ico")));
        QVERIFY(dialog);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text(),
                 QStringLiteral("loaded.ico"));
        type(dialog, QStringLiteral("message"));
        QVERIFY(QMetaObject::invokeMethod(dialog, "accept")); // the Open or Save button
        QCOMPARE(run.answers.size(), 1);
        QCOMPARE(QFileInfo(run.answers[0]).fileName(), QStringLiteral("message.bmp"));
        QCOMPARE(QFileInfo(run.answers[0]).dir().canonicalPath(), QDir(dir.path()).canonicalPath());
    }
};

QTEST_MAIN(TstFileDialogs)
#include "tst_filedialogs.moc"
