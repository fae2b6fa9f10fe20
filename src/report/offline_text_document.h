#pragma once
// A text document that fetches nothing. QTextDocument reads any file or
// URL an <img>, a style sheet or a background names (an image of
// "/dev/zero" reads until memory runs out), and when a resource comes back
// empty the image handler loads the file by its name itself. Here only
// pictures embedded as data: URLs are decoded; every other resource is an
// empty picture or style sheet. Every free text is parsed, edited and
// painted in one of these.

#include <QTextDocument>

namespace tavelao::report {

class OfflineTextDocument : public QTextDocument {
 public:
  using QTextDocument::QTextDocument;

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace tavelao::report
