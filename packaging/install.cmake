# Installation rules: see packaging/.
