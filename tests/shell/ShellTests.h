#pragma once

class QObject;

QObject* newPasswordTests();
QObject* newBehaviourTests();
QObject* newDialogTests();
QObject* newSeamTests();
QObject* newSummaryListTests();
QObject* newTextFitTests();
