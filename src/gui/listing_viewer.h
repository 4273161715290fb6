// A read-only view of a text file too large to edit, such as the listing of
// hyperellipsoid figures on a large network (over a gigabyte). The file is
// read one page at a time, so the memory taken does not grow with the file.
#pragma once

#include <QDialog>
#include <QFile>
#include <QString>
#include <string>

#include "gui/qt_interaction.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace ombrel {

// Above this size a file opens in the viewer instead of the text editor:
// editing it would make no sense and loading it whole would take gigabytes.
inline constexpr qint64 kLargestEditableBytes = qint64{32} << 20;
// Bytes of the file that one page of the viewer begins lines in.
inline constexpr qint64 kViewerPageBytes = qint64{256} << 10;

inline constexpr const char* kViewerCaption = "Ombrel - Visor de listados";

// A file cut into pages at line starts: page k (0-based) holds the lines
// that begin within bytes [k * pageBytes, (k + 1) * pageBytes). A line
// longer than four pages is shown cut at that length.
class PagedTextFile {
 public:
  PagedTextFile(const QString& path, qint64 pageBytes);

  bool IsOpen() const { return file_.isOpen(); }
  qint64 Size() const { return size_; }
  int PageCount() const;
  // The Windows-1252 text of the page with CR LF folded; empty when the
  // page is out of range or cannot be read.
  QString Page(int page);

 private:
  // The first line start at or after offset (the size at the end).
  qint64 LineStartFrom(qint64 offset);

  QFile file_;
  qint64 size_ = 0;
  qint64 pageBytes_;
};

class ListingViewer : public QDialog {
  Q_OBJECT

 public:
  explicit ListingViewer(const QString& path, qint64 pageBytes = kViewerPageBytes,
                         QWidget* parent = nullptr);

  bool IsOpen() const { return file_.IsOpen(); }
  int CurrentPage() const { return page_; }

 public slots:
  // Shows page (0-based), kept within the file's pages.
  void showPage(int page);

 private:
  PagedTextFile file_;
  int page_ = -1;
  QPlainTextEdit* text_ = nullptr;
  QSpinBox* pageBox_ = nullptr;
  QLabel* pageCountLabel_ = nullptr;
  QPushButton* firstButton_ = nullptr;
  QPushButton* previousButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* lastButton_ = nullptr;
};

// The file's size for a caption, such as "1,09 GB".
QString SizeText(qint64 bytes);

// Shows the listing at path: in the text editor when it holds at most
// kLargestEditableBytes, otherwise in the viewer. When it cannot be read,
// says so and shows nothing.
void ShowListing(QtInteraction& ui, const std::string& path, QWidget* parent);

}  // namespace ombrel
