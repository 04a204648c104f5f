#pragma once
// The Report Preview window beside the Create Report Template dialog: the report of the grid as
// it stands on the open design, in a table (titles, alignment, section headings, the Total row),
// with the design's name, the variant and the number of rows; Open Design..., the variant,
// "Fitted only" and Export... (text, CSV, HTML, JSON) through the interaction service. It is a
// top-level window that the dialog's modality does not block.
#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/previewmodel.h"
#include "preview/Controller.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;
class CDialog;

namespace mirel::cli {

class PreviewSession;

// Posts to the Qt event loop of the thread that made it; tasks still queued when the poster goes
// are dropped.
class QtPoster : public preview::IPoster {
 public:
  QtPoster();
  ~QtPoster() override;
  void Post(std::function<void()> task) override;
  // After a few milliseconds, by which time Qt has drawn the keystroke: a posted task, even one
  // posted below Qt's repaints, ran before the dialog's repaint in practice.
  void PostAfterRepaint(std::function<void()> task) override;

 private:
  class Receiver;
  std::unique_ptr<Receiver> m_receiver;
};

class PreviewWindow : public QWidget {
 public:
  explicit PreviewWindow(PreviewSession& session);
  ~PreviewWindow() override;

  // Places the window beside the dialog's and makes it one the dialog's modality lets through.
  void FollowDialog(CDialog& dialog);
  // Shows the session's result (the session's listener calls it).
  void ShowResult(const preview::Result& result);

  // For tests and the benchmark.
  QTableView& Table() const { return *m_table; }
  const PreviewModel& Model() const { return *m_model; }
  QLabel& Status() const { return *m_status; }
  QLabel& Message() const { return *m_message; }

 private:
  void BuildControls();
  void OnOpenDesign();
  void OnVariant(int index);
  void OnFittedOnly(bool on);
  void OnExport(int format);
  void ShowDesign();
  void FitColumns();
  void Complain(const std::string& what, const std::string& why);

  PreviewSession& m_session;
  PreviewModel* m_model = nullptr;
  QLabel* m_design = nullptr;
  QPushButton* m_open = nullptr;
  QComboBox* m_variant = nullptr;
  QCheckBox* m_fitted = nullptr;
  QPushButton* m_export = nullptr;
  QLabel* m_status = nullptr;
  QStackedWidget* m_pages = nullptr;
  QTableView* m_table = nullptr;
  QLabel* m_message = nullptr;
  std::vector<std::string> m_fittedTitles;  // the titles the columns were last fitted to
  bool m_updating = false;  // controls being set from the session
};

}  // namespace mirel::cli
