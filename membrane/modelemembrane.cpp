// The model of this page: state and rules, without widgets.
