#pragma once
#include <QWidget>

#include <vector>

// The luminance of the stimulus and the response of the cells along the
// profile row, both on the grey scale of the pictures (0 black, 1 white).
class VueProfil : public QWidget {
    Q_OBJECT
public:
    explicit VueProfil(QWidget *parent = nullptr);
    void setProfils(const std::vector<double> &stimulus, const std::vector<double> &reponse);
    QSize sizeHint() const override { return {660, 200}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::vector<double> stimulus_, reponse_;
};
