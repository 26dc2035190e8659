#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

struct PlotSeries
{
    QString name;
    QVector<QPointF> points;
    bool marks = true; // data are drawn with marks, model curves dashed without
    int colour = 0; // a model curve takes the colour of the data it belongs to
};

// A generated figure of the database folder. Every figure carries the banner that marks it as a
// demonstration figure; one without series is a labelled placeholder.
struct FigureContent
{
    QString title;
    QString xTitle;
    QString yTitle;
    QVector<PlotSeries> series;
    QStringList notes; // what the figure shows and where its numbers come from
};

// Draws the figure and writes it as a JPEG file, creating the folder.
void SaveFigure(const FigureContent &figure, const QString &path);
