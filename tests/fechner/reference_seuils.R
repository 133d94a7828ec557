# Reference thresholds for tst_analysefechner, computed independently of the
# program with R. Run: Rscript tests/fechner/reference_seuils.R
#
# Trials at one carried mass are "added mass" then O (felt) or N (not felt).
# Trials at 0 g added give the false-alarm rate g = felt / trials at 0 g; the
# others are fitted to P = g + (1 - g) * plogis(a + b x):
#  - g = 0: glm(felt ~ x, binomial), covariance vcov();
#  - g > 0: the same likelihood maximised by nlminb, covariance the
#    inverse of the expected information sum w (1, x)(1, x)' with
#    w = (dP/dz)^2 / (P (1 - P)).
# The threshold is t = -a/b; its 95 % interval t -/+ z se, z = qnorm(0.975),
# with the delta method's se = sqrt(Var a + 2 t Cov(a, b) + t^2 Var b) / |b|
# (as MASS::dose.p).
cas <- c(
  "10N 10N 20N 20O 30N 30O 40O 40O 50O 50O",
  "5N 10N 15N 15O 20N 20O 25O 25N 30O 35O 40O",
  "0N 0O 0N 0N 0N 10N 20N 20O 30O 30N 40O 50O 50O",
  "0O 0O 0N 0N 0N 0N 0N 0N 0N 0N 10N 15O 20N 25O 30O 35O 40O",
  "10O 20O 30N 40N 50O 60N",
  "10N 20O 30N 40O 50N 60O",
  "20N 20O 20O 30O 30O 40O 40N 50O 50O",
  "10N 20N 30N 40N 50N 50O 60N 60O",
  "0O 0O 0O 0N 0N 0N 0N 0N 0N 0N 10N 20O 20N 30O 30N 40O 40O 50O"
)
for (texte in cas) {
  e <- strsplit(texte, " ")[[1]]
  x <- as.numeric(sub("[ON]$", "", e))
  y <- as.numeric(substring(e, nchar(e)) == "O")
  g <- if (any(x == 0)) mean(y[x == 0]) else 0
  xs <- x[x > 0]; ys <- y[x > 0]
  if (g == 0) {
    f <- glm(ys ~ xs, family = binomial)
    cf <- coef(f); V <- vcov(f)
  } else {
    nll <- function(p) { P <- g + (1 - g) * plogis(p[1] + p[2] * xs); -sum(ys * log(P) + (1 - ys) * log(1 - P)) }
    o <- nlminb(c(-3, 0.1), nll, control = list(rel.tol = 1e-14))
    cf <- o$par
    z <- cf[1] + cf[2] * xs; s <- plogis(z); P <- g + (1 - g) * s
    w <- ((1 - g) * s * (1 - s))^2 / (P * (1 - P))
    X <- cbind(1, xs)
    V <- solve(t(X) %*% (w * X))
  }
  a <- cf[1]; b <- cf[2]; t0 <- -a / b
  se <- sqrt(V[1, 1] + 2 * t0 * V[1, 2] + t0^2 * V[2, 2]) / abs(b)
  cat(sprintf("%s | g=%.4f b=%.9f seuil=%.9f se=%.9f bas=%.9f haut=%.9f\n", texte, g, b, t0, se,
              t0 - qnorm(0.975) * se, t0 + qnorm(0.975) * se))
}
