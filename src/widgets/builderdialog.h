// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every builder window shares. A builder is a child window of the main
// window (so it stays in front of it) and keeps the main window disabled
// while it is shown, which makes it behave as a modal dialog without
// blocking the caller. OK inserts a fragment, Cancel inserts nothing; both
// close the builder, or hide it when it retains its contents.

#include "widgets/builderhost.h"

#include <functional>
#include <QDialog>
#include <QPointer>

class BuilderDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BuilderDialog(BuilderHost &host);
    ~BuilderDialog() override;

    // Retaining builders hide when finished, keep every field for the next
    // opening and hand the keyboard focus back to the document.
    void setRetain(bool retain) { m_retain = retain; }
    bool retains() const { return m_retain; }
    // Finished without retaining: on its way out, never to be shown again.
    bool isDiscarded() const { return m_discarded; }

    // Re-enables the main window when this builder is not visible.
    void releaseMainIfHidden();

    // OK: close (or hide), then hand the fragment to the insertion service,
    // or to the receiver when one is set.
    void finishOk(const QString &fragment);
    // False, after saying which field holds what it cannot take and showing
    // it, when a field is not finished.
    bool fieldsFinished();
    // Until the builder next closes, OK hands its fragment here instead of
    // inserting it (a builder reopened on an element it wrote).
    void setFragmentReceiver(std::function<void(const QString &)> receiver);
    // What OK does. Builders build their fragment here and call finishOk
    // (or keep the window open after a message); the default is Cancel.
    void accept() override;
    // Cancel: close (or hide); nothing is inserted.
    void finishCancel();
    // Escape and the window's close button are Cancel.
    void reject() override;

    // Shows the retained builder of type T, or a new one, without waiting
    // for it.
    template <class T, class Host> static T *showBuilder(Host &host);

    // Whether the keyboard can type into or choose from w: a field, not a
    // button or a page tab.
    static bool isField(const QWidget *w);

protected:
    BuilderHost &host() const { return m_host; }
    // Shows the page that holds `field` and gives it the focus.
    void showField(QWidget *field);

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void holdMainWindow();
    void releaseMainWindow();
    bool anotherHoldsMain() const;
    void finish();
    void centreOnScreen();
    // A window opens ready for typing: unless a field already has the
    // focus, the first field of the first page takes it.
    void focusFirstField();

    BuilderHost &m_host;
    QPointer<QWidget> m_main;
    bool m_mainGoing = false; // the main window is being destroyed
    bool m_holdingMain = false;
    bool m_retain = false;
    bool m_discarded = false;
    std::function<void(const QString &)> m_receiver;
};

template <class T, class Host> T *BuilderDialog::showBuilder(Host &host)
{
    T *builder = nullptr;
    if (QWidget *main = host.mainWidget()) {
        const QList<T *> kept = main->findChildren<T *>(Qt::FindDirectChildrenOnly);
        for (T *candidate : kept) {
            if (!candidate->isDiscarded()) {
                builder = candidate;
                break;
            }
        }
    }
    if (!builder)
        builder = new T(host);
    builder->show();
    builder->raise();
    builder->activateWindow();
    return builder;
}
