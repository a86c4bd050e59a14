# Six rows, each one column further right and one star shorter; every line
# ends with the space of its last "* ", and there are no blank lines.
star_slope "" -> " * * * * * * \n  * * * * * \n   * * * * \n    * * * \n     * * \n      * \n"
