#include "gui/listing_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/dialog_widgets.h"
#include "gui/qt_prompts.h"
#include "gui/text_document.h"
#include "gui/text_editor_window.h"

namespace ombrel {
namespace {

constexpr qint64 kScanBytes = 64 << 10;

}  // namespace

PagedTextFile::PagedTextFile(const QString& path, qint64 pageBytes)
    : file_(path), pageBytes_(std::max<qint64>(pageBytes, 1)) {
  if (QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly)) size_ = file_.size();
}

int PagedTextFile::PageCount() const {
  return static_cast<int>(std::max<qint64>(1, (size_ + pageBytes_ - 1) / pageBytes_));
}

qint64 PagedTextFile::LineStartFrom(qint64 offset) {
  if (offset <= 0) return 0;
  if (offset >= size_) return size_;
  // The line starts after the first line feed at or after offset - 1.
  for (qint64 at = offset - 1; at < size_; at += kScanBytes) {
    if (!file_.seek(at)) return size_;
    const QByteArray chunk = file_.read(kScanBytes);
    const qsizetype feed = chunk.indexOf('\n');
    if (feed >= 0) return at + feed + 1;
    if (chunk.isEmpty()) break;
  }
  return size_;
}

QString PagedTextFile::Page(int page) {
  if (!IsOpen() || page < 0 || page >= PageCount()) return {};
  const qint64 begin = LineStartFrom(page * pageBytes_);
  const qint64 end = std::min(LineStartFrom((page + 1) * pageBytes_), begin + 4 * pageBytes_);
  if (end <= begin || !file_.seek(begin)) return {};
  const QByteArray bytes = file_.read(end - begin);
  return DocumentFromBytes(bytes.toStdString());
}

QString SizeText(qint64 bytes) {
  return QLocale(QLocale::Spanish).formattedDataSize(bytes, 2, QLocale::DataSizeSIFormat);
}

ListingViewer::ListingViewer(const QString& path, qint64 pageBytes, QWidget* parent)
    : QDialog(parent), file_(path, pageBytes) {
  setWindowTitle(QString::fromUtf8(kViewerCaption) + QStringLiteral(" - ") + path +
                 QStringLiteral(" (") + SizeText(file_.Size()) + QStringLiteral(")"));
  text_ = Named("viewerText", new QPlainTextEdit(this));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(FixedColumnFont());
  firstButton_ = Named("firstPageButton", PlainButton("<< Primera", this));
  previousButton_ = Named("previousPageButton", PlainButton("< Anterior", this));
  nextButton_ = Named("nextPageButton", PlainButton("Siguiente >", this));
  lastButton_ = Named("lastPageButton", PlainButton("Última >>", this));
  pageBox_ = Named("pageBox", new QSpinBox(this));
  pageBox_->setRange(1, file_.PageCount());
  pageCountLabel_ =
      new QLabel(QStringLiteral("de %1  (solo lectura)").arg(file_.PageCount()), this);

  auto* bar = new QHBoxLayout;
  bar->addWidget(firstButton_);
  bar->addWidget(previousButton_);
  bar->addWidget(new QLabel(QStringLiteral("Página"), this));
  bar->addWidget(pageBox_);
  bar->addWidget(pageCountLabel_);
  bar->addStretch();
  bar->addWidget(nextButton_);
  bar->addWidget(lastButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(text_);
  resize(820, 560);

  connect(firstButton_, &QPushButton::clicked, this, [this] { showPage(0); });
  connect(previousButton_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
  connect(nextButton_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
  connect(lastButton_, &QPushButton::clicked, this, [this] { showPage(file_.PageCount() - 1); });
  connect(pageBox_, &QSpinBox::valueChanged, this, [this](int shown) { showPage(shown - 1); });
  showPage(0);
}

void ListingViewer::showPage(int page) {
  page = std::clamp(page, 0, file_.PageCount() - 1);
  if (page == page_) return;
  page_ = page;
  text_->setPlainText(file_.Page(page));
  {
    const QSignalBlocker blocker(pageBox_);
    pageBox_->setValue(page + 1);
  }
  firstButton_->setEnabled(page > 0);
  previousButton_->setEnabled(page > 0);
  nextButton_->setEnabled(page + 1 < file_.PageCount());
  lastButton_->setEnabled(page + 1 < file_.PageCount());
}

void ShowListing(QtInteraction& ui, const std::string& path, QWidget* parent) {
  // The viewer's caption names the listing by its full path, beside its size.
  const QFileInfo file(ToQt(path));
  if (file.size() > kLargestEditableBytes) {
    ListingViewer viewer(file.absoluteFilePath(), kViewerPageBytes, parent);
    if (viewer.IsOpen()) {
      viewer.exec();
      return;
    }
  }
  TextEditorWindow editor(ui, parent);
  if (editor.OpenListing(path)) editor.exec();
}

}  // namespace ombrel
