#include "ui/widgetsetup.h"

#include "ui/fatalerror.h"

#include <QMainWindow>
#include <QMenuBar>

QAction *addMenuEntry(QMainWindow *window, const QString &caption, const QString &name,
                      std::function<void()> handler)
{
    QAction *entry = window->menuBar()->addAction(caption);
    entry->setObjectName(name);
    QObject::connect(entry, &QAction::triggered, window,
                     [handler = std::move(handler)] { FatalError::guard(handler); });
    return entry;
}

QWidget *setUpFixedWindow(QMainWindow *window, const QString &name)
{
    // The icons live in this static library; the linker keeps them only
    // when they are asked for.
    Q_INIT_RESOURCE(icons);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    window->setObjectName(name);
    auto *client = new QWidget(window);
    client->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window->setCentralWidget(client);
    return client;
}
