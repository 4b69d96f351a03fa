#include "qt/appendix_files.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include "qt/text_conversion.h"

namespace tolvar::qt {
namespace {

void fillDocument(QTextDocument& document, const Appendix& appendix) {
  // The program's own CJK font families, so that a PDF carries the glyphs the reader saw.
  QFont font = QGuiApplication::font();
  font.setPointSize(10);
  document.setDefaultFont(font);
  document.setHtml(toQString(appendix.htmlDocument()));
}

// The whole file in memory first: the writers close their device, which a file that replaces
// the old one only when complete does not allow.
QByteArray contentsOf(const Appendix& appendix, AppendixFormat format) {
  QByteArray contents;
  QBuffer buffer(&contents);
  buffer.open(QIODevice::WriteOnly);
  switch (format) {
    case AppendixFormat::html:
      return QByteArray::fromStdString(appendix.htmlDocument());
    case AppendixFormat::odf: {
      QTextDocument document;
      fillDocument(document, appendix);
      QTextDocumentWriter writer(&buffer, "odf");
      if (!writer.write(&document)) return {};
      break;
    }
    case AppendixFormat::pdf: {
      QTextDocument document;
      fillDocument(document, appendix);
      QPdfWriter pdf(&buffer);
      pdf.setPageSize(QPageSize(QPageSize::A4));
      pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
      pdf.setTitle(toQString(std::string(kAppendixTitle)));
      pdf.setCreator(QStringLiteral("Tolvar"));
      document.print(&pdf);
      break;
    }
  }
  return contents;
}

}  // namespace

QString saveAppendix(const Appendix& appendix, const QString& path, AppendixFormat format) {
  QByteArray contents = contentsOf(appendix, format);
  if (contents.isEmpty()) return QStringLiteral("无法生成文档内容");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(contents) != contents.size()) {
    QString why = file.errorString();
    file.cancelWriting();
    return why;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tolvar::qt
