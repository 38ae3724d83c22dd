#include "mainwindow/form1.h"

namespace fluvane::mainwindow {

void Form1::T4_Timer() {
    T4->setEnabled(false);
    ListWeb->navigate(values_.dizhi + "/tcab/");
    qvod->navigate(values_.dizhi + "/tcab/zelad/zelloading.html");
}

void Form1::hit2_Timer() {
    hit2->setEnabled(false);
    windows_.showRecommendation();
}

}  // namespace fluvane::mainwindow
