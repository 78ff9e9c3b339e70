#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace trelvix {

namespace {

constexpr int homeContext = 111;

QString missingPage(int context)
{
  return QStringLiteral("<h1>Help not found</h1><p>The help page %1 is not installed. Help pages "
                        "are looked for in share/trelvix3d/help beside the program's bin "
                        "folder.</p>")
    .arg(context);
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
  : QWidget(parent, Qt::Window)
  , m_browser(new QTextBrowser(this))
  , m_back(new QToolButton(this))
  , m_forward(new QToolButton(this))
  , m_home(new QToolButton(this))
{
  setWindowTitle(QStringLiteral("Trelvix3D Help"));
  resize(720, 560);
  m_back->setText(QStringLiteral("Back"));
  m_forward->setText(QStringLiteral("Forward"));
  m_home->setText(QStringLiteral("Contents"));
  m_back->setEnabled(false);
  m_forward->setEnabled(false);
  m_browser->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addWidget(m_home);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_browser);

  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_home, &QToolButton::clicked, this, [this] { showPage(homeContext); });
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
    setWindowTitle(m_browser->documentTitle().isEmpty()
                     ? QStringLiteral("Trelvix3D Help")
                     : QStringLiteral("Trelvix3D Help - ") + m_browser->documentTitle());
  });
}

QString HelpViewer::helpFolder()
{
  QStringList candidates{ QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../share/trelvix3d/help") };
#ifdef TRELVIX_HELP_SOURCE_DIR
  candidates << QStringLiteral(TRELVIX_HELP_SOURCE_DIR);
#endif
  for (const QString& folder : candidates) {
    if (QFileInfo::exists(folder + QStringLiteral("/%1.html").arg(homeContext)))
      return QDir::cleanPath(folder);
  }
  return {};
}

QString HelpViewer::pagePath(int context)
{
  return helpFolder() + QStringLiteral("/%1.html").arg(context);
}

bool HelpViewer::showPage(int context)
{
  const QString path = pagePath(context);
  const bool found = !helpFolder().isEmpty() && QFileInfo::exists(path);
  if (found)
    m_browser->setSource(QUrl::fromLocalFile(path));
  else
    m_browser->setHtml(missingPage(context));
  show();
  raise();
  activateWindow();
  return found;
}

} // namespace trelvix
