#include "app/previewwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "app/previewsession.h"
#include "design/Design.h"
#include "platform/mfc/dialog.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/standardpeers.h"

namespace mirel::cli {

namespace {

constexpr int kGapBesideDialog = 8;
constexpr int kMaxFittedColumnChars = 40;  // a wide template column does not push the others away

QString NoVariantText() { return QStringLiteral("(none)"); }

}  // namespace

// ---- QtPoster -----------------------------------------------------------------------------------

namespace {

const QEvent::Type kTaskEvent = QEvent::Type(QEvent::registerEventType());

class TaskEvent : public QEvent {
 public:
  explicit TaskEvent(std::function<void()> task) : QEvent(kTaskEvent), m_task(std::move(task)) {}
  void Run() { m_task(); }

 private:
  std::function<void()> m_task;
};

// Widgets post their repaints at Qt::LowEventPriority; the preview's work waits below them.
constexpr int kBelowRepaints = Qt::LowEventPriority - 1;
constexpr int kRepaintMs = 6;

}  // namespace

class QtPoster::Receiver : public QObject {
 protected:
  bool event(QEvent* event) override {
    if (event->type() != kTaskEvent) return QObject::event(event);
    static_cast<TaskEvent*>(event)->Run();
    return true;
  }
};

QtPoster::QtPoster() : m_receiver(std::make_unique<Receiver>()) {}
QtPoster::~QtPoster() = default;

void QtPoster::Post(std::function<void()> task) {
  QCoreApplication::postEvent(m_receiver.get(), new TaskEvent(std::move(task)), kBelowRepaints);
}

void QtPoster::PostAfterRepaint(std::function<void()> task) {
  QTimer::singleShot(kRepaintMs, Qt::PreciseTimer, m_receiver.get(), std::move(task));
}

// ---- PreviewWindow ------------------------------------------------------------------------------

PreviewWindow::PreviewWindow(PreviewSession& session) : QWidget(nullptr, Qt::Window), m_session(session) {
  setWindowTitle(QStringLiteral("Report Preview"));
  setObjectName(QStringLiteral("ReportPreview"));
  BuildControls();
  ShowDesign();
  m_session.Controller().SetShownListener([this](const preview::Result& result) { ShowResult(result); });
  ShowResult(m_session.Shown());
}

PreviewWindow::~PreviewWindow() { m_session.Controller().SetShownListener(nullptr); }

void PreviewWindow::BuildControls() {
  m_design = new QLabel(this);
  m_design->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_open = new QPushButton(QStringLiteral("&Open Design..."), this);
  m_variant = new QComboBox(this);
  m_variant->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* variantLabel = new QLabel(QStringLiteral("&Variant:"), this);
  variantLabel->setBuddy(m_variant);
  m_fitted = new QCheckBox(QStringLiteral("&Fitted only"), this);
  m_export = new QPushButton(QStringLiteral("&Export"), this);
  auto* formats = new QMenu(m_export);
  const std::pair<const char*, preview::Format> entries[] = {{"&Text...", preview::Format::kText},
                                                             {"&CSV...", preview::Format::kCsv},
                                                             {"&HTML...", preview::Format::kHtml},
                                                             {"&JSON...", preview::Format::kJson}};
  for (const auto& [label, format] : entries) {
    formats->addAction(QString::fromUtf8(label), this, [this, format = format] { OnExport(int(format)); });
  }
  m_export->setMenu(formats);

  m_status = new QLabel(this);
  m_table = new QTableView(this);
  m_model = new PreviewModel();
  m_model->setParent(m_table);
  m_table->setModel(m_model);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->setAlternatingRowColors(true);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setWordWrap(false);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->horizontalHeader()->setSectionsMovable(false);
  m_message = new QLabel(this);
  m_message->setWordWrap(true);
  m_message->setTextFormat(Qt::RichText);  // texts are escaped: a "<PROPERTY>" shows as written
  m_message->setAlignment(Qt::AlignCenter);
  m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_message->setMargin(24);
  m_pages = new QStackedWidget(this);
  m_pages->addWidget(m_table);
  m_pages->addWidget(m_message);

  auto* bar = new QHBoxLayout;
  bar->addWidget(m_open);
  bar->addSpacing(12);
  bar->addWidget(variantLabel);
  bar->addWidget(m_variant);
  bar->addSpacing(12);
  bar->addWidget(m_fitted);
  bar->addStretch(1);
  bar->addWidget(m_export);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_design);
  layout->addLayout(bar);
  layout->addWidget(m_status);
  layout->addWidget(m_pages, 1);

  connect(m_open, &QPushButton::clicked, this, [this] { OnOpenDesign(); });
  connect(m_variant, &QComboBox::currentIndexChanged, this, [this](int index) { OnVariant(index); });
  connect(m_fitted, &QCheckBox::toggled, this, [this](bool on) { OnFittedOnly(on); });
  resize(720, 480);
}

void PreviewWindow::FollowDialog(CDialog& dialog) {
  QWidget* beside = qt::WidgetOf(&dialog);
  if (!beside) return;
  // The dialog runs application-modal; a window transient for it is not blocked by it.
  beside->winId();
  winId();
  if (QWindow* own = windowHandle()) own->setTransientParent(beside->windowHandle());
  // Placed once the dialog is shown where it will stay.
  QTimer::singleShot(0, this, [this, beside = QPointer<QWidget>(beside)] {
    if (beside) {
      const QRect frame = beside->frameGeometry();
      move(frame.right() + 1 + kGapBesideDialog, frame.top());
      resize(width(), std::max(height(), beside->height()));
    }
    show();
  });
}

void PreviewWindow::ShowDesign() {
  const preview::DesignChoice& choice = m_session.Controller().Choice();
  m_updating = true;
  if (choice.design) {
    const QString path = qt::ToQString(choice.path);
    const QString file = QFileInfo(path).fileName();
    const QString name = choice.design->name.empty() ? file : qt::ToQString(choice.design->name);
    m_design->setText(QStringLiteral("Design: <b>%1</b> &nbsp; %2").arg(name.toHtmlEscaped(), file.toHtmlEscaped()));
    m_design->setToolTip(path);
  } else {
    m_design->setText(QStringLiteral("No design is open."));
  }
  m_variant->clear();
  m_variant->addItem(NoVariantText());
  if (choice.design) {
    for (const std::string& variant : choice.design->variants) m_variant->addItem(qt::ToQString(variant));
  }
  m_variant->setCurrentIndex(std::max(0, m_variant->findText(qt::ToQString(choice.variant))));
  if (choice.variant.empty()) m_variant->setCurrentIndex(0);
  m_variant->setEnabled(m_variant->count() > 1);
  m_fitted->setChecked(choice.fittedOnly);
  m_updating = false;
}

void PreviewWindow::ShowResult(const preview::Result& result) {
  if (result.invalid) {
    m_message->setText(QStringLiteral("<p><b>The query does not validate.</b></p><p>%1</p>")
                           .arg(qt::ToQString(result.invalid->text).toHtmlEscaped()));
    m_message->setStyleSheet(QStringLiteral("color: #a00000"));
    m_status->setText(QStringLiteral("No report: the query does not validate."));
    m_pages->setCurrentWidget(m_message);
    m_export->setEnabled(false);
    return;
  }
  if (!result.report) {
    m_message->setText(qt::ToQString(result.error.empty() ? "No report." : "No report: " + result.error + ".").toHtmlEscaped());
    m_message->setStyleSheet(QString());
    m_status->setText(QString());
    m_pages->setCurrentWidget(m_message);
    m_export->setEnabled(false);
    return;
  }
  const std::shared_ptr<const preview::ReportTable> table = result.report->table;
  m_model->SetTable(table);
  m_table->clearSpans();
  for (int row : m_model->HeadingRows()) m_table->setSpan(row, 0, 1, std::max(1, m_model->columnCount()));
  FitColumns();
  QString status = QStringLiteral("%1 row%2").arg(table->RowCount()).arg(table->RowCount() == 1 ? "" : "s");
  status += QStringLiteral(" \u00b7 variant %1").arg(table->variant.empty() ? QStringLiteral("default") : qt::ToQString(table->variant));
  if (!result.warnings.empty()) {
    status += QStringLiteral(" \u00b7 %1 warning%2").arg(result.warnings.size()).arg(result.warnings.size() == 1 ? "" : "s");
    QString all;
    for (const std::string& warning : result.warnings) all += qt::ToQString(warning) + QLatin1Char('\n');
    m_status->setToolTip(all.trimmed());
  } else {
    m_status->setToolTip(QString());
  }
  m_status->setText(status);
  m_pages->setCurrentWidget(m_table);
  m_export->setEnabled(true);
}

// Columns are fitted when their titles change, not on every refresh: a person's own widths stay.
void PreviewWindow::FitColumns() {
  const preview::ReportTable* table = m_model->Table();
  if (!table) return;
  std::vector<std::string> titles;
  for (const auto& column : table->columns) titles.push_back(column.title);
  if (titles == m_fittedTitles) return;
  m_fittedTitles = titles;
  const QFontMetrics metrics(m_table->font());
  const QFontMetrics header(m_table->horizontalHeader()->font());
  const int margins = 2 * m_table->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
  for (size_t c = 0; c < table->columns.size(); ++c) {
    const int chars = std::clamp(table->columns[c].width, 1, kMaxFittedColumnChars);
    const int byWidth = metrics.horizontalAdvance(QLatin1Char('0')) * chars;
    const int byTitle = header.horizontalAdvance(qt::ToQString(table->columns[c].title));
    m_table->setColumnWidth(int(c), std::max(byWidth, byTitle) + margins);
  }
}

void PreviewWindow::OnOpenDesign() {
  std::string error;
  if (!m_session.AskOpenDesign(error)) {
    if (!error.empty()) Complain("The design was not opened.", error);
    return;
  }
  ShowDesign();
}

void PreviewWindow::OnVariant(int index) {
  if (m_updating) return;
  std::string error;
  const std::string variant = index <= 0 ? std::string() : qt::ToStd(m_variant->itemText(index));
  if (!m_session.SetVariant(variant, error)) Complain("The variant was not chosen.", error);
}

void PreviewWindow::OnFittedOnly(bool on) {
  if (!m_updating) m_session.SetFittedOnly(on);
}

void PreviewWindow::OnExport(int format) {
  std::string error;
  if (!m_session.AskExport(preview::Format(format), error) && !error.empty()) Complain("The report was not exported.", error);
}

void PreviewWindow::Complain(const std::string& what, const std::string& why) {
  QMessageBox::warning(this, QStringLiteral("Report Preview"), qt::ToQString(what + "\n\n" + why));
}

}  // namespace mirel::cli
