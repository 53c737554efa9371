package javax.microedition.lcdui;

import avizad.emulator.Keys;
import avizad.emulator.LcduiAccess;

/** A group of choices in a form. */
public class ChoiceGroup extends Item implements Choice {
    private final ChoiceModel model;

    public ChoiceGroup(String label, int choiceType) {
        this(label, choiceType, new String[0], null);
    }

    public ChoiceGroup(String label, int choiceType, String[] stringElements,
            Image[] imageElements) {
        super(label);
        if (choiceType != EXCLUSIVE && choiceType != MULTIPLE && choiceType != POPUP) {
            throw new IllegalArgumentException("bad choice type");
        }
        if (stringElements == null) {
            throw new NullPointerException();
        }
        model = new ChoiceModel(choiceType == POPUP ? EXCLUSIVE : choiceType, stringElements,
                imageElements);
    }

    @Override
    public int size() {
        return model.strings.size();
    }

    @Override
    public String getString(int elementNum) {
        return model.getString(elementNum);
    }

    @Override
    public Image getImage(int elementNum) {
        return model.getImage(elementNum);
    }

    @Override
    public int append(String stringPart, Image imagePart) {
        int i = model.append(stringPart, imagePart);
        changed();
        return i;
    }

    @Override
    public void insert(int elementNum, String stringPart, Image imagePart) {
        model.insert(elementNum, stringPart, imagePart);
        changed();
    }

    @Override
    public void delete(int elementNum) {
        model.delete(elementNum);
        changed();
    }

    @Override
    public void deleteAll() {
        model.deleteAll();
        changed();
    }

    @Override
    public void set(int elementNum, String stringPart, Image imagePart) {
        model.set(elementNum, stringPart, imagePart);
        changed();
    }

    @Override
    public boolean isSelected(int elementNum) {
        return model.isSelected(elementNum);
    }

    @Override
    public int getSelectedIndex() {
        return model.getSelectedIndex();
    }

    @Override
    public int getSelectedFlags(boolean[] selectedArray) {
        return model.getSelectedFlags(selectedArray);
    }

    @Override
    public void setSelectedIndex(int elementNum, boolean selected) {
        model.setSelectedIndex(elementNum, selected);
        changed();
    }

    @Override
    public void setSelectedFlags(boolean[] selectedArray) {
        model.setSelectedFlags(selectedArray);
        changed();
    }

    @Override
    public void setFitPolicy(int fitPolicy) {
        model.setFitPolicy(fitPolicy);
    }

    @Override
    public int getFitPolicy() {
        return model.fitPolicy;
    }

    @Override
    public void setFont(int elementNum, Font font) {
        model.setFont(elementNum, font);
        changed();
    }

    @Override
    public Font getFont(int elementNum) {
        return model.getFont(elementNum);
    }

    @Override
    boolean isFocusable() {
        return true;
    }

    @Override
    boolean itemKey(int type, int code) {
        if (type == LcduiAccess.KEY_RELEASED || size() == 0) {
            return false;
        }
        if (code == Keys.UP && model.focus > 0) {
            model.focus--;
            return true;
        }
        if (code == Keys.DOWN && model.focus < size() - 1) {
            model.focus++;
            return true;
        }
        return false;
    }

    @Override
    void activate() {
        if (size() == 0) {
            return;
        }
        if (model.type == MULTIPLE) {
            model.setSelectedIndex(model.focus, !model.isSelected(model.focus));
        } else {
            model.setSelectedIndex(model.focus, true);
        }
        if (owner instanceof Form) {
            ((Form) owner).stateChanged(this);
        }
    }

    @Override
    int paintBody(Graphics g, int x, int y, int width, boolean focused) {
        return model.paint(g, x, y, width, focused)[2];
    }
}
