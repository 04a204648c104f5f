#pragma once
// QtPeer: the base of every Qt peer. It owns its widget, marks it with its window, and keeps
// the state every window has in step both ways; kinds override SyncKind for the rest.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/mfc/backend.h"
#include "platform/mfc/wnd.h"

namespace mirel::qt {

class QtPeer : public IWindowPeer, public QObject {
 public:
  // Takes the widget (may be null for a kind without one). The widget is deleted later (never
  // inside one of its own signals) when the window is destroyed.
  QtPeer(CWnd& wnd, QWidget* widget);
  ~QtPeer() override;

  void OnModelChanged(WndChange what) override;
  void Rebind(CWnd& wnd) override;
  void* NativeHandle() const override { return m_widget.data(); }

  CWnd& Wnd() const { return *m_wnd; }
  QWidget* Widget() const { return m_widget.data(); }
  // Shows the whole model state: the common part, then SyncKind for every kind of change.
  // The backend calls it once a factory has made the peer.
  void SyncAll();

 protected:
  // The kind's own state (text, items, selection ...), called after the common handling of
  // every change, with the window's echo suppressed (Syncing() is true).
  virtual void SyncKind(WndChange what);
  virtual void SyncGeometry();
  virtual void SyncVisible();
  // While true, widget signals are the peer's own echo and must not reach the model.
  bool Syncing() const { return m_syncing > 0; }
  class SyncGuard {
   public:
    explicit SyncGuard(QtPeer& peer) : m_peer(peer) { ++m_peer.m_syncing; }
    ~SyncGuard() { --m_peer.m_syncing; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

   private:
    QtPeer& m_peer;
  };
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Disconnects the widget and everything in it from this peer. A subclass that connects
  // signals calls it from its destructor, before the widget is hidden and deleted.
  void StopListening();

 private:
  void Restack();
  bool HandleDrag(QEvent* event);
  CWnd* m_wnd;
  QPointer<QWidget> m_widget;
  int m_syncing = 0;
};

}  // namespace mirel::qt
