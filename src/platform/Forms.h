#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

// A window of the program: a dialog whose show handler runs on every show, which ignores Esc,
// and whose modal run goes through a replaceable runner so tests can act inside it.
class TForm : public QDialog
{
    Q_OBJECT
public:
    TForm(QWidget *owner, const QString &name, const QString &caption);

    int ShowModal();
    void Close();
    int ModalResult() const { return m_modalResult; }
    // A non-zero result ends the modal run.
    void SetModalResult(int result);
    // Each show keeps the window within the screen's free area, never below its minimum size,
    // and large enough for what its parts hold where the screen has room.
    void setVisible(bool visible) override;

protected:
    // The window first opens at this share of the screen's free area in each direction.
    void SetScreenShare(double share) { m_screenShare = share; }
    virtual void FormShow() { }
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    int m_modalResult = 0;
    double m_screenShare = 0;
    bool m_sized = false;
};

namespace ModalRunner {
using Runner = std::function<int(TForm &)>;
// Installs a runner; an empty one restores the real modal loop. Returns the previous one.
Runner Set(Runner runner);
int Run(TForm &form);
} // namespace ModalRunner

// Frees a window that was opened for one task and clears its global.
template <class T> void Release(QPointer<T> &global)
{
    if (global) {
        global->hide();
        global->deleteLater();
    }
    global = nullptr;
}

// Runs a window opened for one task: created, owned by `owner`, when its global is empty, then
// `run` shows it; whatever happens, the window is released and its global cleared.
template <class T, class Run> void RunTaskWindow(QPointer<T> &global, QWidget *owner, Run &&run)
{
    if (!global)
        global = new T(owner);
    try {
        run();
    } catch (...) {
        Release(global);
        throw;
    }
    Release(global);
}
