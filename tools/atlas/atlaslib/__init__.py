"""Builder of the packed world atlas (data/atlas/) from GeoNames, world-countries and tzdata."""
