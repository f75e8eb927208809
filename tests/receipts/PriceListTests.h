#pragma once

class QObject;

QObject* newPriceListTests();
QObject* newLogoTests();
