#pragma once

#include <QFrame>

/// The monitor view: roughly what the camera pictures. A band of sky over a
/// band of ground, with the object drawn at the far edge of the detection
/// area (standing on the horizon) and at the near edge (standing on the
/// bottom of the picture), each scaled to the share of the picture it fills.
class CMonitorSimulate : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMonitorSimulate)
public:
    explicit CMonitorSimulate(QWidget *parent = nullptr);
    ~CMonitorSimulate() override;

    /// Share of the height painted as sky, 0 to 1.
    float skyShare() const { return m_fSkyShare; }
    /// Height of the far object as a share of the sky band, 0 to 10.
    float farScale() const { return m_fFarScale; }
    /// Height of the near object as a share of the whole height, 0 to 10.
    float nearScale() const { return m_fNearScale; }

public slots:
    /// The side view's heights in metres: the object's, the picture's above
    /// the near edge, the picture's top above the ground at the far edge,
    /// and how far the picture's lower edge lies below the ground there. A
    /// call with a zero picture height, or with a value that is not a
    /// finite number, is dropped and the previous picture stays.
    void ProPortionChanged(float objectHeight, float nearViewHeight, float farTopHeight,
                           float farDrop);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    float m_fSkyShare = 0.5f;
    float m_fFarScale = 0.3f;
    float m_fNearScale = 0.6f;
};
