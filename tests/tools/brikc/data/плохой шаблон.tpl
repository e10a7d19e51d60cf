# A template whose third line is misplaced.
pages
  paragraph
