DirectShowSource("<%InputFile%>")
