#pragma once

class QObject;

QObject* newPasswordTests();
QObject* newBehaviourTests();
QObject* newFlowTests();
QObject* newSeamTests();
