#pragma once

class QApplication;

// What every Norrid process sets on its application object before the delegate launches.
namespace ApplicationSetup {
void configure(QApplication &app);
}
