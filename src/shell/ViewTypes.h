#pragma once

// The C++ types of the module Norrid.Views. They are compiled into the application, which must not
// link Qt Quick; their QML names are declared here, in the windows' module, and resolve to the
// application's own classes when the module is loaded.
#include "shell/UpdateWindowController.h"
#include "updates/UpdateSession.h"
#include "views/IssueListModel.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"
#include "views/SettingsForm.h"

#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

struct PopoverContentType
{
    Q_GADGET
    QML_FOREIGN(PopoverContent)
    QML_NAMED_ELEMENT(PopoverContent)
    QML_UNCREATABLE("The popover's content comes from the application.")
};

struct IssueListModelType
{
    Q_GADGET
    QML_FOREIGN(IssueListModel)
    QML_ANONYMOUS
};

struct SettingsFormType
{
    Q_GADGET
    QML_FOREIGN(SettingsForm)
    QML_NAMED_ELEMENT(SettingsForm)
    QML_UNCREATABLE("The settings form comes from the application.")
};

struct UpdateWindowControllerType
{
    Q_GADGET
    QML_FOREIGN(UpdateWindowController)
    QML_NAMED_ELEMENT(UpdateWindowController)
    QML_UNCREATABLE("The update window's controller comes from the application.")
};

struct UpdateSessionType
{
    Q_GADGET
    QML_FOREIGN(UpdateSession)
    QML_NAMED_ELEMENT(UpdateSession)
    QML_UNCREATABLE("The update session comes from the updater.")
};

// The sizes and the type scale at the application font, one object per QML engine.
struct PopoverMetricsType
{
    Q_GADGET
    QML_FOREIGN(PopoverMetrics)
    QML_NAMED_ELEMENT(PopoverMetrics)
    QML_SINGLETON

public:
    static PopoverMetrics *create(QQmlEngine *, QJSEngine *) { return new PopoverMetrics; }
};
